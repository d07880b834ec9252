#include "engine/WordFile.h"

std::string WordListBytes(const CWordList& words)
{
    std::size_t total = 0;
    for (const std::string_view word : words)
        total += word.size() + 2;
    std::string text;
    text.reserve(total);
    for (const std::string_view word : words) {
        text += word;
        text += "\r\n";
    }
    return text;
}
