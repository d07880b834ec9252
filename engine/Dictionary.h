#pragma once

#include <string>
#include <string_view>

// A spelling dictionary (one word a line) or a dictd index (headword, tab,
// offsets) as a source of words for the game.

struct DictionaryCounts {
    unsigned lines = 0; // lines that name a word: those without a capital
    unsigned unfit = 0; // of those, lines with a letter Windows-1252 lacks
};

// The lines of `text` (Windows-1252, each read up to its first tab) that may
// be words of the game, one a line. A line with a capital is a name, a
// name's genitive or an abbreviation ("TV"), and is left out; so is a line
// holding '?', which stands for a character Windows-1252 lacks once the text
// is converted (no word of a dictionary holds a question mark).
std::string DictionaryLines(std::string_view text, DictionaryCounts& counts);

// The share of unfit lines above which a list's language is one whose
// letters Windows-1252 cannot hold: a word or two with a foreign letter is
// a loan word, a tenth of the list is the language's own alphabet.
inline bool LettersFit(unsigned unfit, unsigned entries)
{
    return unfit * 10 <= entries;
}
