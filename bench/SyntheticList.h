#pragma once

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

// Writes a shuffled list of `count` random words of 3 to 20 letters, Swedish
// letters included, as a player's own list might hold, to a temporary file;
// returns its path.
inline std::string WriteSyntheticList(std::size_t count)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz\xE5\xE4\xF6";
    std::mt19937 random(12345);
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t length = 3 + random() % 18;
        for (std::size_t k = 0; k < length; ++k)
            text += kLetters[random() % (sizeof kLetters - 1)];
        text += "\r\n";
    }
    const auto path = std::filesystem::temp_directory_path() / ("ordkamp-bench-" + std::to_string(count) + ".se");
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return path.string();
}
