// Makes the game's sounds: short tones written as WAV files (16-bit mono
// PCM), so that no sound file comes from elsewhere.
// Usage: ordkamp-mksounds <out folder>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Tone {
    double hertz, seconds, loudness; // loudness 0..1
};

// The tones one after another, each with a short rise and a fall so that
// nothing clicks.
std::vector<int16_t> Samples(const std::vector<Tone>& tones)
{
    std::vector<int16_t> samples;
    for (const Tone& tone : tones) {
        const int count = static_cast<int>(tone.seconds * kRate);
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double rise = std::min(1.0, i / (0.005 * kRate));
            const double fall = 1.0 - static_cast<double>(i) / count;
            const double value = std::sin(2 * kPi * tone.hertz * t) * tone.loudness * rise * fall;
            samples.push_back(static_cast<int16_t>(value * 30000));
        }
    }
    return samples;
}

void PutLittleEndian(std::ofstream& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>(value >> (8 * i) & 0xFF));
}

bool WriteWav(const std::string& path, const std::vector<int16_t>& samples)
{
    std::ofstream out(path, std::ios::binary);
    const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
    out << "RIFF";
    PutLittleEndian(out, 36 + data, 4);
    out << "WAVEfmt ";
    PutLittleEndian(out, 16, 4); // format block size
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, 1, 2); // mono
    PutLittleEndian(out, kRate, 4);
    PutLittleEndian(out, kRate * 2, 4); // bytes per second
    PutLittleEndian(out, 2, 2); // bytes per frame
    PutLittleEndian(out, 16, 2); // bits per sample
    out << "data";
    PutLittleEndian(out, data, 4);
    for (const int16_t sample : samples)
        PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        const char* name;
        std::vector<Tone> tones;
    } sounds[] = {
        {"tick.wav", {{1200, 0.05, 0.6}}}, // each of the last seconds
        {"timeout.wav", {{660, 0.18, 0.7}, {440, 0.18, 0.7}, {294, 0.35, 0.7}}}, // time is up
        {"solved.wav", {{523, 0.09, 0.6}, {659, 0.09, 0.6}, {784, 0.2, 0.6}}}, // a word solved
        {"wrong.wav", {{196, 0.12, 0.3}}}, // a wrong hangman letter, softly
        {"beep.wav", {{880, 0.15, 0.6}}}, // an error
        {"matchover.wav", {{523, 0.12, 0.6}, {659, 0.12, 0.6}, {784, 0.12, 0.6}, {1047, 0.45, 0.6}}}, // a match won
    };
    for (const auto& sound : sounds) {
        if (!WriteWav(folder + "/" + sound.name, Samples(sound.tones))) {
            std::fprintf(stderr, "%s: cannot write %s/%s\n", argv[0], folder.c_str(), sound.name);
            return 1;
        }
    }
    return 0;
}
