#pragma once

#include "engine/Letters.h"
#include "engine/WordEngine.h"

#include <string>
#include <vector>

// An engine holding the given words, length-sorted as the game keeps them.
inline void FillWords(CWordEngine& engine, const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += word + "\n";
    engine.ClearWords();
    engine.AddWordsFromText(text, SORT_BY_LENGTH);
}

// `count` different valid words of one length made of the letters a..t.
inline std::vector<std::string> ManyWords(unsigned count, unsigned length = 5)
{
    std::vector<std::string> words;
    for (unsigned i = 0; words.size() < count; ++i) {
        std::string word;
        for (unsigned n = i, k = 0; k < length; ++k, n /= 20)
            word += static_cast<char>('a' + n % 20);
        if (CountDistinctChars(word) >= 3)
            words.push_back(word);
    }
    return words;
}
