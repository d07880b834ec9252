#pragma once

#include "engine/Letters.h"
#include "engine/WordEngine.h"

#include <cstdlib>

// Aborts unless every stored word passes the word rules and the list is in
// the order of `mode`, without adjacent duplicates, with the length counts
// right after a length sort.
inline void CheckWordList(const CWordEngine& engine, int mode)
{
    unsigned counts[36] = {};
    for (std::size_t i = 0; i < engine.m_words.size(); ++i) {
        const std::string& word = engine.m_words[i];
        std::string lowered = word;
        LowerCaseWord(lowered);
        if (!IsValidWord(word) || lowered != word)
            std::abort();
        ++counts[word.size()];
        if (i == 0)
            continue;
        const std::string& previous = engine.m_words[i - 1];
        const bool lengthFirst = mode == SORT_BY_LENGTH;
        const bool ordered = lengthFirst && previous.size() != word.size()
            ? previous.size() < word.size()
            : previous < word; // stored words are lower case: byte order is the collation
        if (!ordered)
            std::abort();
    }
    for (unsigned n = 0; n < 36; ++n)
        if (engine.m_nLengthCount[n] != (mode == SORT_BY_LENGTH ? counts[n] : 0))
            std::abort();
}
