#pragma once

#include "engine/Letters.h"
#include "engine/WordEngine.h"

#include <algorithm>
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

// Whether `rows` are `words` mixed as a mixword puzzle must be: every first
// letter in place, every row moved, the letters only exchanged within columns.
inline bool ValidArrangement(const std::string rows[3], const std::string words[3])
{
    for (int k = 0; k < 3; ++k) {
        if (rows[k].size() != words[k].size() || rows[k][0] != words[k][0] || rows[k] == words[k])
            return false;
        for (std::size_t c = 1; c < rows[k].size(); ++c) {
            std::string column = {rows[0][c], rows[1][c], rows[2][c]},
                        original = {words[0][c], words[1][c], words[2][c]};
            std::sort(column.begin(), column.end());
            std::sort(original.begin(), original.end());
            if (column != original)
                return false;
        }
    }
    return true;
}
