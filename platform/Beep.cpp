#include "platform/Beep.h"

#include "engine/SafeFile.h"
#include "platform/SoundMixer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioSink>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>

#include <map>

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
    case SOUND_TICK: return QStringLiteral("tick.wav");
    case SOUND_TIME_OUT: return QStringLiteral("timeout.wav");
    case SOUND_SOLVED: return QStringLiteral("solved.wav");
    case SOUND_WRONG_LETTER: return QStringLiteral("wrong.wav");
    default: return QStringLiteral("beep.wav");
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

// Plays the game's sounds on the default output. The output is opened at
// the first sound, not at start (a game played silently never waits for
// the sound server), and closed again after a while of silence. Qt's own
// QSoundEffect is not used: in Qt 6.4 its sample cache can deadlock when the
// program ends while a sound still loads, and a game that hangs at a logout
// loses nothing only by luck.
class CSoundPlayer {
public:
    void Play(const QString& path)
    {
        QByteArray& samples = m_samples[path];
        if (samples.isEmpty())
            samples = SamplesOf(path);
        if (samples.isEmpty()) {
            QApplication::beep(); // no sound file: the desktop's bell, where it has one
            return;
        }
        if (!m_sink && !Open())
            return; // no audio device, no sound server: silence
        m_mixer->Add(samples);
        m_idle->start();
    }

private:
    static constexpr int kRate = 22050;
    static constexpr int kBufferMilliseconds = 150; // the delay before a sound is heard
    static constexpr int kIdleMilliseconds = 5000;  // silence this long closes the output
    static constexpr int kLeadInMilliseconds = 200; // silence first, while the stream starts

    bool Open()
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(kRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_sink = new QAudioSink(device, format, qApp); // owned by the application
        m_sink->setBufferSize(kRate * 2 * kBufferMilliseconds / 1000);
        m_mixer = new CSoundMixer(kRate * kLeadInMilliseconds / 1000);
        m_mixer->setParent(m_sink);
        m_idle = new QTimer(m_sink);
        m_idle->setInterval(kIdleMilliseconds);
        m_idle->setSingleShot(true);
        QObject::connect(m_idle, &QTimer::timeout, m_sink, [this] {
            if (!m_mixer->IsSilent()) { // a long sound: look again later
                m_idle->start();
                return;
            }
            m_sink->stop();
            m_sink->deleteLater();
            m_sink = nullptr; // the next sound opens a new one
        });
        m_sink->start(m_mixer);
        return true;
    }

    std::map<QString, QByteArray> m_samples;
    QPointer<QAudioSink> m_sink;
    CSoundMixer* m_mixer = nullptr; // owned by the sink
    QTimer* m_idle = nullptr;       // owned by the sink
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
    player.Play(QDir(Folder()).filePath(FileOf(type)));
}

unsigned SoundOf(TurnSound sound)
{
    switch (sound) {
    case TurnSound::Tick: return SOUND_TICK;
    case TurnSound::TimeOut: return SOUND_TIME_OUT;
    case TurnSound::Solved: return SOUND_SOLVED;
    case TurnSound::WrongLetter: return SOUND_WRONG_LETTER;
    case TurnSound::Refused: break;
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
