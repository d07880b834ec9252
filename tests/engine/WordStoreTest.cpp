#include "engine/WordEngine.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Words = std::vector<std::string>;

TEST(WordStore, AddWordAcceptsOnlyCleanWords)
{
    const struct { std::string in; std::string stored; } cases[] = {
        {"ekorre", "ekorre"},
        {"Hus", "hus"},
        {"  bil\t", "bil"},
        {"B\xC5TAR", "b\xE5tar"},
        {"\r\nord\r", "ord"},
        {std::string(35, 'a').replace(0, 3, "xyz"), std::string(35, 'a').replace(0, 3, "xyz")},
        {"\x9F" "abc", "abc"},  // a blanked byte at an end trims away
        {"ab", ""},
        {"aab", ""},
        {"aaab", ""},
        {"hej hopp", ""},
        {"r2d2", ""},
        {"bil2", ""},
        {std::string(36, 'a').replace(0, 3, "xyz"), ""},
        {"ab\x9F" "cd", ""},    // inner blanked byte becomes a space
        {"\xE5\xD7\xE4\xF6", ""}, // × is no letter
        {"", ""},
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        std::string word = c.in;
        engine.AddWord(word);
        EXPECT_EQ(engine.m_words, c.stored.empty() ? Words{} : Words{c.stored}) << c.in;
    }
}

TEST(WordStore, AddWordCleansItsArgumentInPlace)
{
    CWordEngine engine;
    std::string word = " \tHEJ  HOPP ";
    engine.AddWord(word);
    EXPECT_EQ(word, "hej hopp");
    EXPECT_TRUE(engine.m_words.empty());
}

TEST(WordStore, SortOrders)
{
    const Words input = {"\xF6ga", "\xE5ka", "\xE4ta", "bil", "hus", "katt", "bil", "b\xE5tar"};
    CWordEngine engine;
    engine.m_words = input;
    engine.SortWords(SORT_ALPHABETICAL);
    EXPECT_EQ(engine.m_words, (Words{"bil", "b\xE5tar", "hus", "katt", "\xE4ta", "\xE5ka", "\xF6ga"}));
    for (unsigned count : engine.m_nLengthCount)
        EXPECT_EQ(count, 0u);

    engine.m_words = input;
    engine.SortWords(SORT_BY_LENGTH);
    EXPECT_EQ(engine.m_words, (Words{"bil", "hus", "\xE4ta", "\xE5ka", "\xF6ga", "katt", "b\xE5tar"}));
    EXPECT_EQ(engine.m_nLengthCount[3], 5u);
    EXPECT_EQ(engine.m_nLengthCount[4], 1u);
    EXPECT_EQ(engine.m_nLengthCount[5], 1u);
}

TEST(WordStore, CollationIgnoresAsciiCaseOnly)
{
    CWordEngine engine;
    engine.m_words = {"Bok", "apa", "\xC4ta", "cykel", "\xE4ta"};
    engine.SortWords(SORT_ALPHABETICAL);
    EXPECT_EQ(engine.m_words, (Words{"apa", "Bok", "cykel", "\xC4ta", "\xE4ta"}));
}

TEST(WordStore, DuplicatesCollapseWhateverTheListSize)
{
    const struct { Words in, out; unsigned countedAt3; } cases[] = {
        {{"hus", "hus", "bil"}, {"bil", "hus"}, 2},
        {{"hus", "hus"}, {"hus"}, 1},
        {{"hus"}, {"hus"}, 1},
        {{}, {}, 0},
        {{"bil", "bil", "bil", "bil"}, {"bil"}, 1},
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        engine.m_words = c.in;
        engine.SortWords(SORT_BY_LENGTH);
        EXPECT_EQ(engine.m_words, c.out);
        EXPECT_EQ(engine.CountWords(3, 3), c.countedAt3);
    }
}

TEST(WordStore, CountWordsSumsLengthRanges)
{
    CWordEngine engine;
    engine.m_words = {"bil", "hus", "katt", "b\xE5tar", "ekorre", std::string(35, 'q').replace(0, 3, "abc")};
    engine.SortWords(SORT_BY_LENGTH);
    const struct { unsigned lo, hi, count; } cases[] = {
        {3, 3, 2}, {3, 4, 3}, {0, 35, 6}, {5, 8, 2}, {9, 34, 0}, {35, 35, 1},
        {6, 5, 0}, {0, 2, 0}, {4, 1000, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(engine.CountWords(c.lo, c.hi), c.count) << c.lo << ".." << c.hi;
    engine.m_nMinLetters = 4;
    engine.m_nMaxLetters = 6;
    EXPECT_EQ(engine.CountAvailableWords(), 3u);
}

TEST(WordStore, SetRuleClampsInOrder)
{
    const struct { unsigned index, value, min, max, penalty, time0, time2; } cases[] = {
        {0, 2, 3, 8, 4, 60, 60},
        {0, 0, 3, 8, 4, 60, 60},
        {0, 40, 35, 35, 4, 60, 60},
        {0, 9, 9, 9, 4, 60, 60},
        {0, unsigned(-1), 35, 35, 4, 60, 60}, // a negative value counts as huge
        {1, 4, 4, 4, 4, 60, 60},
        {1, 1, 3, 3, 4, 60, 60},
        {1, 12, 5, 12, 4, 60, 60},
        {2, 0, 5, 8, 1, 60, 60},
        {2, 75, 5, 8, 60, 60, 60},
        {2, 5, 5, 8, 5, 60, 60},
        {2, unsigned(-5), 5, 8, 60, 60, 60},
        {3, 1000, 5, 8, 4, 999, 60},
        {3, 0, 5, 8, 4, 1, 60},
        {5, 120, 5, 8, 4, 60, 120},
        {6, 1, 5, 8, 4, 60, 60}, // no such rule
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        engine.SetRule(c.index, c.value);
        EXPECT_EQ(engine.m_nMinLetters, c.min) << c.index << '=' << c.value;
        EXPECT_EQ(engine.m_nMaxLetters, c.max) << c.index << '=' << c.value;
        EXPECT_EQ(engine.m_nHangmanPenalty, c.penalty) << c.index << '=' << c.value;
        EXPECT_EQ(engine.m_nTime[0], c.time0) << c.index << '=' << c.value;
        EXPECT_EQ(engine.m_nTime[2], c.time2) << c.index << '=' << c.value;
    }
}

TEST(WordStore, LoweringTheHangmanTimeKeepsALargerPenalty)
{
    CWordEngine engine;
    engine.SetRule(2, 50);
    engine.SetRule(3, 20);
    EXPECT_EQ(engine.m_nHangmanPenalty, 50u);
    engine.SetRule(2, 50);
    EXPECT_EQ(engine.m_nHangmanPenalty, 20u);
}

TEST(WordStore, DeleteWordClosesTheGapAndKeepsCounts)
{
    CWordEngine engine;
    engine.m_words = {"bil", "hus", "katt"};
    engine.SortWords(SORT_BY_LENGTH);
    engine.DeleteWord(0);
    EXPECT_EQ(engine.m_words, (Words{"hus", "katt"}));
    EXPECT_EQ(engine.CountWords(3, 4), 3u);
    engine.DeleteWord(7); // outside the list: nothing happens
    EXPECT_EQ(engine.m_words.size(), 2u);
}

TEST(WordStore, AddWordsFromTextAddsEveryValidLineThenSorts)
{
    const struct { std::string text; int mode; Words before, after; } cases[] = {
        {"bil\nbo\nBIL\nhus", SORT_BY_LENGTH, {}, {"bil", "hus"}},
        {"sol\nhus\n\xF6\nkatt", SORT_BY_LENGTH, {}, {"hus", "sol", "katt"}},
        {"ekorre\n", SORT_BY_LENGTH, {}, {"ekorre"}},
        {"", SORT_ALPHABETICAL, {"katt", "bil"}, {"bil", "katt"}},
        {"\xE4ta\r", -1, {"\xF6ga", "bil"}, {"bil", "\xE4ta", "\xF6ga"}},
        {"\n\n\n", SORT_BY_LENGTH, {}, {}},
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        engine.m_words = c.before;
        engine.AddWordsFromText(c.text, c.mode);
        EXPECT_EQ(engine.m_words, c.after) << c.text;
        if (c.mode != SORT_BY_LENGTH) {
            EXPECT_EQ(engine.CountWords(0, 35), 0u);
        }
    }
}

TEST(WordStore, ClearAndCopyWords)
{
    CWordEngine game;
    game.m_words = {"katt", "bil"};
    game.SortWords(SORT_BY_LENGTH);

    CWordEngine empty;
    game.CopyWordsFrom(empty);
    EXPECT_EQ(game.m_words, (Words{"bil", "katt"}));
    EXPECT_EQ(game.CountWords(0, 35), 2u);

    CWordEngine editor;
    editor.m_words = {"\xF6ga", "ekorre", "bil", "apa", "apa"};
    editor.SortWords(SORT_ALPHABETICAL);
    editor.m_strFileName = "other.se";
    editor.m_nMinLetters = 3;
    game.CopyWordsFrom(editor);
    EXPECT_EQ(game.m_words, (Words{"apa", "bil", "\xF6ga", "ekorre"}));
    EXPECT_EQ(game.CountWords(3, 3), 3u);
    EXPECT_EQ(game.CountWords(6, 6), 1u);
    EXPECT_EQ(game.m_strFileName, "");
    EXPECT_EQ(game.m_nMinLetters, 5u);
    EXPECT_NE(game.m_words[0].data(), editor.m_words[0].data());

    game.ClearWords();
    EXPECT_TRUE(game.m_words.empty());
    EXPECT_EQ(game.CountWords(0, 35), 0u);
}

} // namespace
