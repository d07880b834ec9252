#include "sound/SoundMixer.h"

#include <algorithm>
#include <cstring>

qint64 CSoundMixer::readData(char* data, qint64 maxSize)
{
    const auto count = static_cast<std::size_t>(std::max<qint64>(maxSize / 2, 0));
    const std::size_t silent = static_cast<std::size_t>(std::min<qint64>(m_leadIn, static_cast<qint64>(count)));
    m_leadIn -= static_cast<qint64>(silent);
    std::vector<int> mixed(count, 0);
    for (Playing& sound : m_playing) {
        const qint64 total = sound.samples.size() / 2;
        for (std::size_t i = silent; i < count && sound.next < total; ++i, ++sound.next) {
            qint16 sample = 0; // byte by byte: neither buffer need be aligned
            std::memcpy(&sample, sound.samples.constData() + 2 * sound.next, sizeof sample);
            mixed[i] += sample;
        }
    }
    std::erase_if(m_playing, [](const Playing& sound) { return sound.next >= sound.samples.size() / 2; });
    for (std::size_t i = 0; i < count; ++i) {
        const auto sample = static_cast<qint16>(std::clamp(mixed[i], -32768, 32767));
        std::memcpy(data + 2 * i, &sample, sizeof sample);
    }
    return static_cast<qint64>(2 * count);
}
