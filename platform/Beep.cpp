#include "platform/Beep.h"

#include "engine/SafeFile.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>

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

// Plays the samples on the default output. Qt's own QSoundEffect is not
// used: in Qt 6.4 its sample cache can deadlock when the program ends while
// a sound still loads, and a game that hangs at a logout loses nothing only
// by luck.
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
        if (!m_sink) {
            const QAudioDevice device = QMediaDevices::defaultAudioOutput();
            if (device.isNull())
                return; // no audio device, no sound server: silence
            QAudioFormat format;
            format.setSampleRate(22050);
            format.setChannelCount(1);
            format.setSampleFormat(QAudioFormat::Int16);
            m_sink = new QAudioSink(device, format, qApp);
            m_buffer = new QBuffer(m_sink);
        }
        m_sink->stop(); // a new sound cuts the last one short
        m_buffer->close();
        m_buffer->setData(samples);
        m_buffer->open(QIODevice::ReadOnly);
        m_sink->start(m_buffer);
    }

private:
    std::map<QString, QByteArray> m_samples;
    QPointer<QAudioSink> m_sink; // owned by the application
    QBuffer* m_buffer = nullptr;
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
