#include "engine/WordFile.h"

std::string WordListBytes(const std::vector<std::string>& words)
{
    std::size_t total = 0;
    for (const std::string& word : words)
        total += word.size() + 2;
    std::string text;
    text.reserve(total);
    for (const std::string& word : words) {
        text += word;
        text += "\r\n";
    }
    return text;
}
