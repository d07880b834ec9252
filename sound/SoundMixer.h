#pragma once

#include <QByteArray>
#include <QIODevice>

#include <vector>

// The sounds playing now, mixed into one stream that never runs dry: where
// none plays it gives silence. A sound server starts a stream only once its
// buffer is full and stops it when it runs dry, so a short sound written on
// its own may wait or be dropped; a steady stream plays each sound whole, at
// once, over any still playing.
class CSoundMixer : public QIODevice {
public:
    // The first samples of a new stream may be lost while the server sets
    // it up: `leadIn` samples of silence go first.
    // Unbuffered: what is read is mixed then, not read ahead and late.
    explicit CSoundMixer(qint64 leadIn)
        : m_leadIn(leadIn)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    // 16-bit mono samples, played from the next read on.
    void Add(const QByteArray& samples) { m_playing.push_back({samples, 0}); }
    bool IsSilent() const { return m_playing.empty(); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return qint64{1} << 20; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Playing {
        QByteArray samples;
        qint64 next = 0; // the next sample to play
    };
    std::vector<Playing> m_playing;
    qint64 m_leadIn;
};
