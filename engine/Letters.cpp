#include "engine/Letters.h"

#include <array>

namespace {

constexpr bool IsLetterByte(unsigned c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    if (c >= 0xC0)
        return c != 0xD7 && c != 0xF7;
    return c == 0x8A || c == 0x8E || c == 0x9C || c == 0x9E || c == 0x9F || c == 0xA5;
}

constexpr unsigned char LowerByte(unsigned c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDE))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return static_cast<unsigned char>(c);
    }
}

template <typename F>
constexpr std::array<unsigned char, 256> MakeTable(F f)
{
    std::array<unsigned char, 256> table{};
    for (unsigned c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(f(c));
    return table;
}

constexpr auto kIsLetter = MakeTable(IsLetterByte);
constexpr auto kIsBlanked = MakeTable(IsBlankedByte);
constexpr auto kLower = MakeTable(LowerByte);
// A byte's lower case when it stays a letter in a cleaned, lower-cased word;
// 0 when it cannot be part of a valid word (a blanked byte inside a word
// becomes a space).
constexpr auto kWordLetter =
    MakeTable([](unsigned c) { return !IsBlankedByte(c) && IsLetterByte(LowerByte(c)) ? LowerByte(c) : 0; });

// At least three different letters; cheaper than counting them all.
bool HasThreeDifferent(std::string_view word)
{
    const char first = word[0];
    const std::size_t second = word.find_first_not_of(first);
    if (second == std::string_view::npos)
        return false;
    const char other = word[second];
    for (std::size_t i = second + 1; i < word.size(); ++i)
        if (word[i] != first && word[i] != other)
            return true;
    return false;
}

} // namespace

bool IsLetter(unsigned char c)
{
    return kIsLetter[c] != 0;
}

void BlankControlChars(std::string& text)
{
    for (char& ch : text)
        if (kIsBlanked[static_cast<unsigned char>(ch)])
            ch = ' ';
}

void CleanWord(std::string& text)
{
    std::size_t out = 0;
    for (const char in : text) {
        const char ch = kIsBlanked[static_cast<unsigned char>(in)] ? ' ' : in;
        if (ch == ' ' && (out == 0 || text[out - 1] == ' '))
            continue; // drops leading spaces and the second of every pair
        text[out++] = ch;
    }
    text.resize(out);
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
}

void LowerCaseWord(std::string& text)
{
    for (char& ch : text)
        ch = static_cast<char>(kLower[static_cast<unsigned char>(ch)]);
}

bool IsCapital(unsigned char c)
{
    return kLower[c] != c;
}

unsigned CountDistinctChars(const std::string& text)
{
    std::array<bool, 256> seen{};
    unsigned count = 0;
    for (const char ch : text) {
        bool& mark = seen[static_cast<unsigned char>(ch)];
        count += mark ? 0 : 1;
        mark = true;
    }
    return count;
}

bool IsValidWord(const std::string& word)
{
    if (word.size() < MIN_WORD_LENGTH || word.size() > MAX_WORD_LENGTH)
        return false;
    for (const char ch : word)
        if (!IsLetter(static_cast<unsigned char>(ch)))
            return false;
    return HasThreeDifferent(word);
}

bool LineToValidWord(std::string_view line, std::string& word)
{
    if (line.size() < MIN_WORD_LENGTH || line.size() > MAX_WORD_LENGTH)
        return false;
    word.resize(line.size());
    char* out = word.data(); // held here: a store through `word` could alias its own pointer
    for (const char in : line) {
        const unsigned char letter = kWordLetter[static_cast<unsigned char>(in)];
        if (letter == 0)
            return false;
        *out++ = static_cast<char>(letter);
    }
    return HasThreeDifferent(word);
}
