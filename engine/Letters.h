#pragma once

#include <string>
#include <string_view>

// Byte-level letter handling for Windows-1252 text. Words and guesses are
// byte strings in that code page, so every rule here is a table over bytes.

bool IsLetter(unsigned char c);

// The control bytes, and the C1 range that cleaning treats the same way.
constexpr bool IsBlankedByte(unsigned c)
{
    return c <= 0x1F || (c >= 0x80 && c <= 0x90) || (c >= 0x98 && c <= 0x9F);
}

// True for a space and for every byte that BlankControlChars turns into one.
// Inline: a word list's load asks it at both ends of every line.
inline bool BecomesSpace(unsigned char c)
{
    return c == ' ' || IsBlankedByte(c);
}

// Turns the blanked bytes into spaces.
void BlankControlChars(std::string& text);

// Blanks control bytes, shrinks every run of spaces to one and trims one
// space at each end. Linear in the text's length.
void CleanWord(std::string& text);

void LowerCaseWord(std::string& text);

// A capital letter of Windows-1252 (one LowerCaseWord changes): A-Z, À-Þ
// but the multiplication sign, Š, Œ, Ž, Ÿ.
bool IsCapital(unsigned char c);

unsigned CountDistinctChars(const std::string& text);

// The word rules applied to an already cleaned, lower-cased text: 3 to 35
// bytes, letters only, at least three different letters.
bool IsValidWord(const std::string& word);

// For a line without space-making bytes at its ends, what CleanWord,
// LowerCaseWord and IsValidWord in turn would give, in one pass: whether it
// makes a valid word, and if so the word in `word`.
bool LineToValidWord(std::string_view line, std::string& word);

enum : unsigned { MIN_WORD_LENGTH = 3, MAX_WORD_LENGTH = 35 };
