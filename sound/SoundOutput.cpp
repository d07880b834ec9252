// The audio output as a library loaded at the first sound (see
// platform/SoundOutputInterface.h): one output stream fed by the mixer.

#include "platform/SoundOutputInterface.h"
#include "sound/SoundMixer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>

namespace {

// The output is opened at the first sound, not when the library loads, and
// closed again after a while of silence. Qt's own QSoundEffect is not used:
// in Qt 6.4 its sample cache can deadlock when the program ends while a
// sound still loads, and a game that hangs at a logout loses nothing only
// by luck.
class CSoundOutput : public ISoundOutput {
public:
    bool Play(const QByteArray& samples) override
    {
        if (!m_sink && !Open())
            return false;
        m_mixer->Add(samples);
        m_idle->start();
        return true;
    }

private:
    static constexpr int kRate = 22050;
    static constexpr int kBufferMilliseconds = 150; // the delay before a sound is heard
    static constexpr int kIdleMilliseconds = 5000; // silence this long closes the output
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

    QPointer<QAudioSink> m_sink;
    CSoundMixer* m_mixer = nullptr; // owned by the sink
    QTimer* m_idle = nullptr; // owned by the sink
};

} // namespace

extern "C" Q_DECL_EXPORT ISoundOutput* ORDKAMP_CREATE_SOUND_OUTPUT()
{
    return new CSoundOutput;
}
