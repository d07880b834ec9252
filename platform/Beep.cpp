#include "platform/Beep.h"

#include "engine/SafeFile.h"
#include "platform/SoundOutputInterface.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

#include <map>
#include <memory>

namespace {

std::function<void(unsigned)>& Hook()
{
    static std::function<void(unsigned)> hook;
    return hook;
}

bool g_soundOn = true;

QString& Folder()
{
    static QString folder;
    return folder;
}

QString FileOf(unsigned type)
{
    switch (type) {
    case SOUND_TICK:
        return QStringLiteral("tick.wav");
    case SOUND_TIME_OUT:
        return QStringLiteral("timeout.wav");
    case SOUND_SOLVED:
        return QStringLiteral("solved.wav");
    case SOUND_WRONG_LETTER:
        return QStringLiteral("wrong.wav");
    case SOUND_MATCH_OVER:
        return QStringLiteral("matchover.wav");
    default:
        return QStringLiteral("beep.wav");
    }
}

// The samples of one of the game's own WAV files (16-bit mono PCM at
// 22 050 Hz, as the build makes them); empty for anything else.
QByteArray SamplesOf(const QString& path)
{
    std::string bytes;
    if (!ReadRegularFile(QFile::encodeName(path).toStdString(), bytes, 1 << 20))
        return {};
    const QByteArray wav = QByteArray::fromStdString(bytes);
    const auto number = [&](qsizetype at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | static_cast<quint8>(wav[at + i]);
        return value;
    };
    if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt " || number(20, 2) != 1
        || number(22, 2) != 1 || number(24, 4) != 22050 || number(34, 2) != 16 || wav.mid(36, 4) != "data")
        return {};
    return wav.mid(44, number(40, 4));
}

// The audio output library: beside the program (a build), else where an
// installation puts it (P/lib/ordkamp beside P/games/ordkamp).
std::unique_ptr<ISoundOutput> LoadSoundOutput()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programFolder, programFolder + QStringLiteral("/../" ORDKAMP_LIBRARY_FOLDER)}) {
        QLibrary library(QDir(folder).filePath(QStringLiteral("ordkamp-sound")));
        if (const auto create = reinterpret_cast<CreateSoundOutputFunction>(library.resolve(kCreateSoundOutput)))
            return std::unique_ptr<ISoundOutput>(create()); // the library stays loaded
    }
    return nullptr;
}

// Plays the game's sounds. The audio output is loaded at the first sound;
// without it (Qt Multimedia not installed) the game's own sounds are
// silent and the simple beep is the desktop's bell, as it is without a
// sound file.
class CSoundPlayer {
public:
    void Play(unsigned type, const QString& path)
    {
        QByteArray& samples = m_samples[path];
        if (samples.isEmpty())
            samples = SamplesOf(path);
        if (!m_triedLoading) {
            m_triedLoading = true;
            m_output = LoadSoundOutput();
        }
        if (samples.isEmpty() || (!m_output && type == BEEP_SIMPLE))
            QApplication::beep();
        else if (m_output)
            m_output->Play(samples); // no audio device, no sound server: silence
    }

private:
    std::map<QString, QByteArray> m_samples;
    std::unique_ptr<ISoundOutput> m_output;
    bool m_triedLoading = false;
};

} // namespace

void AppBeep(unsigned type)
{
    if (!g_soundOn)
        return;
    if (Hook()) {
        Hook()(type);
        return;
    }
    static CSoundPlayer player;
    player.Play(type, QDir(Folder()).filePath(FileOf(type)));
}

unsigned SoundOf(TurnSound sound)
{
    switch (sound) {
    case TurnSound::Tick:
        return SOUND_TICK;
    case TurnSound::TimeOut:
        return SOUND_TIME_OUT;
    case TurnSound::Solved:
        return SOUND_SOLVED;
    case TurnSound::WrongLetter:
        return SOUND_WRONG_LETTER;
    case TurnSound::MatchOver:
        return SOUND_MATCH_OVER;
    case TurnSound::Refused:
        break;
    }
    return BEEP_SIMPLE;
}

void SetSoundOn(bool on)
{
    g_soundOn = on;
}

bool SoundOn()
{
    return g_soundOn;
}

void SetSoundFolder(const QString& folder)
{
    Folder() = folder;
}

void SetBeepHook(std::function<void(unsigned type)> hook)
{
    Hook() = std::move(hook);
}
