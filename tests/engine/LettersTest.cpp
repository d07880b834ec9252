#include "engine/Letters.h"

#include <gtest/gtest.h>

namespace {

TEST(Letters, LetterClassCoversExactlyTheListedBytes)
{
    const struct { unsigned byte; bool letter; } cases[] = {
        {'a', true}, {'Z', true}, {0xE5, true}, {0xC4, true}, {0xDF, true}, {0xFF, true},
        {0x8A, true}, {0x9F, true}, {0xA5, true}, {0xC0, true}, {0xD8, true}, {0xF8, true},
        {'0', false}, {'@', false}, {'[', false}, {'`', false}, {'{', false}, {0x8C, false},
        {0x9A, false}, {0xD7, false}, {0xF7, false}, {0xBF, false}, {0x7F, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsLetter(static_cast<unsigned char>(c.byte)), c.letter) << std::hex << c.byte;
}

TEST(Letters, BlankingTurnsControlAndC1BytesIntoSpaces)
{
    const struct { unsigned byte; bool blanked; } cases[] = {
        {0x00, true}, {0x1F, true}, {0x80, true}, {0x90, true}, {0x98, true}, {0x9F, true},
        {0x20, false}, {0x7F, false}, {0x91, false}, {0x97, false}, {0xA0, false}, {'a', false},
    };
    for (const auto& c : cases) {
        std::string text(1, static_cast<char>(c.byte));
        BlankControlChars(text);
        EXPECT_EQ(text == " " && c.byte != ' ', c.blanked) << std::hex << c.byte;
        EXPECT_EQ(BecomesSpace(static_cast<unsigned char>(c.byte)), c.blanked || c.byte == 0x20);
    }
}

TEST(Letters, CleanWordCollapsesAndTrimsBlanks)
{
    const struct { std::string in, out; } cases[] = {
        {"  hej    hopp ", "hej hopp"},
        {" \t \r\n ", ""},
        {"a\x01\x02" "b", "a b"},
        {std::string("x\0y", 3), "x y"},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        CleanWord(text);
        EXPECT_EQ(text, c.out) << '"' << c.in << '"';
    }
}

TEST(Letters, CleanWordIsLinearOnHugeInput)
{
    std::string text(50'000'000, ' ');
    text[25'000'000] = 'x';
    CleanWord(text);
    EXPECT_EQ(text, "x");
}

TEST(Letters, LowerCaseFollowsTheCodePageTable)
{
    const struct { std::string in, out; } cases[] = {
        {"\xC5\xC4\xD6", "\xE5\xE4\xF6"},  // ÅÄÖ
        {"\xDF" "09.-!", "\xDF" "09.-!"},  // ß and punctuation stay
        {"\x9F\x8A\x8C\x8E", "\xFF\x9A\x9C\x9E"},
        {"\xD7\xDE\xC0", "\xD7\xFE\xE0"},  // × has no partner
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        LowerCaseWord(text);
        EXPECT_EQ(text, c.out);
    }
}

} // namespace
