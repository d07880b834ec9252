#include "engine/WordEngine.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace {

using Words = CWordList;

TEST(WordStore, AddWordAcceptsOnlyCleanWords)
{
    const std::string longest = std::string(35, 'a').replace(0, 3, "xyz");
    const std::pair<std::string, std::string> cases[] = {
        // in, stored
        // Octal escapes where a letter follows: a hex escape would take it in.
        {" \tbil\r\n", "bil"},
        {"B\305TAR", "b\345tar"},
        {"\311COLE\336", "\351cole\376"}, // the code page's upper case, not only ASCII
        {"\337ala", "\337ala"},
        {longest, longest},
        {"\237abc", "abc"}, // a blanked byte at an end trims away
        {"ab", ""},
        {"aaab", ""}, // three different letters at least
        {"hej hopp", ""},
        {"bil2", ""},
        {longest + "a", ""},
        {"ab\237cd", ""}, // inner blanked byte becomes a space
        {"\345\327\344\366", ""}, // × is no letter
    };
    for (const auto& [in, stored] : cases) {
        CWordEngine engine;
        std::string word = in;
        engine.AddWord(word);
        EXPECT_EQ(engine.m_words, stored.empty() ? Words{} : Words{stored}) << in;
    }
}

TEST(WordStore, SortingAGeneratedListAgreesWithAComparisonSortAndCountsLengths)
{
    // Large enough for every path of the list's sort: one length and first
    // letters shared by most words (groups too big for its scratch array),
    // keys that tie (shared first bytes, ASCII case), duplicates and case
    // twins, words shorter than a key, and words too long for the length byte.
    std::mt19937 random(2026);
    const std::string letters = "abzABZ\xE5\xC5[@";
    std::vector<std::string> words;
    for (int i = 0; i < 100'000; ++i) {
        std::string word = random() % 20 < 17 ? "ab" : "";
        const std::size_t length = i % 2500 == 0 ? 251 + random() % 6 : random() % 20 < 17 ? 9 : 1 + random() % 14;
        while (word.size() < length)
            word += letters[random() % letters.size()];
        words.push_back(word.substr(0, length));
    }
    for (std::size_t i = 0; i < 2'000; ++i)
        words.push_back(words[random() % words.size()]);

    for (const bool byLength : {false, true}) {
        CWordEngine engine;
        for (const std::string& word : words)
            engine.m_words.push_back(word);
        engine.SortWords(byLength ? SORT_BY_LENGTH : SORT_ALPHABETICAL);
        const CWordList& list = engine.m_words;

        // The order spelled out: length, then the ASCII-folded bytes (as
        // unsigned, a prefix first), then the bytes themselves.
        std::vector<std::tuple<std::size_t, std::string, std::string>> expected;
        for (const std::string& word : words) {
            std::string folded = word.substr(0, 255);
            for (char& c : folded)
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
            expected.emplace_back(byLength ? folded.size() : 0, folded, word.substr(0, 255));
        }
        std::sort(expected.begin(), expected.end());
        expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
        ASSERT_EQ(list.size(), expected.size()) << byLength;
        EXPECT_TRUE(std::equal(list.begin(), list.end(), expected.begin(), [](std::string_view word, const auto& row) {
            return word == std::get<2>(row);
        })) << byLength;
        // Counted by length, over the lengths a word may have, after a length sort only.
        for (std::size_t n = MIN_WORD_LENGTH; n <= MAX_WORD_LENGTH; ++n)
            EXPECT_EQ(engine.CountWords(n, n),
                      byLength ? std::count_if(expected.begin(), expected.end(),
                                               [n](const auto& row) { return std::get<0>(row) == n; })
                               : 0)
                << n;
    }
}

TEST(WordStore, AddingToASortedListGivesWhatAFullSortGives)
{
    // Added to a list already in the mode's order, the words are merged in;
    // the result must not differ from sorting everything again. The deletion
    // first leaves the length counts stale, as deleting does.
    const std::string added = "Apa\nbil\nHUS\n\xE4ta\nbil\nzebra\nabc\nkatt\nx\n";
    for (const int mode : {SORT_ALPHABETICAL, SORT_BY_LENGTH}) {
        CWordEngine merged, sorted;
        merged.m_words = {"hus", "bil", "katt", "apa", "b\xE5tar", "\xF6ga"};
        merged.SortWords(mode);
        merged.DeleteWord(0);
        sorted.m_words = merged.m_words;
        merged.AddWordsFromText(added, mode);
        std::string unsortedAdd = added;
        sorted.AddWordsFromText(unsortedAdd, mode == SORT_ALPHABETICAL ? SORT_BY_LENGTH : SORT_ALPHABETICAL);
        sorted.SortWords(mode);
        EXPECT_EQ(merged.m_words, sorted.m_words) << mode;
        for (unsigned n = 0; n <= 35; ++n)
            EXPECT_EQ(merged.CountWords(n, n), sorted.CountWords(n, n)) << mode << ' ' << n;
    }
}

TEST(WordStore, SetRuleClampsInOrder)
{
    const struct {
        unsigned index, value, min, max, penalty, time0, time2;
    } cases[] = {
        {RULE_MIN_LETTERS, 2, 3, 8, 4, 60, 60},
        {RULE_MIN_LETTERS, 9, 9, 9, 4, 60, 60},
        {RULE_MIN_LETTERS, unsigned(-1), 35, 35, 4, 60, 60}, // a negative value counts as huge
        {RULE_MAX_LETTERS, 4, 4, 4, 4, 60, 60},
        {RULE_MAX_LETTERS, 1, 3, 3, 4, 60, 60},
        {RULE_PENALTY, 0, 5, 8, 1, 60, 60},
        {RULE_PENALTY, 75, 5, 8, 60, 60, 60},
        {RULE_TIME_HANGMAN, 1000, 5, 8, 4, 999, 60},
        {RULE_TIME_HANGMAN, 0, 5, 8, 4, 1, 60},
        {RULE_TIME_MIXWORD, 120, 5, 8, 4, 60, 120},
        {RULE_COUNT, 1, 5, 8, 4, 60, 60}, // no such rule
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        engine.SetRule(c.index, c.value);
        const std::vector<unsigned> rules = {engine.GetRule(RULE_MIN_LETTERS), engine.GetRule(RULE_MAX_LETTERS),
                                             engine.GetRule(RULE_PENALTY), engine.GetRule(RULE_TIME_HANGMAN),
                                             engine.GetRule(RULE_TIME_MIXWORD)};
        EXPECT_EQ(rules, (std::vector<unsigned>{c.min, c.max, c.penalty, c.time0, c.time2}))
            << c.index << '=' << c.value;
    }
    // The penalty is capped when it is set, not when the hangman time is lowered.
    CWordEngine engine;
    engine.SetRule(RULE_PENALTY, 50);
    engine.SetRule(RULE_TIME_HANGMAN, 20);
    EXPECT_EQ(engine.m_nHangmanPenalty, 50u);
    engine.SetRule(RULE_PENALTY, 50);
    EXPECT_EQ(engine.m_nHangmanPenalty, 20u);
}

TEST(WordStore, DeletingWordsClosesTheGapAndLeavesTheCounts)
{
    const std::pair<std::vector<std::size_t>, Words> cases[] = {
        // rows deleted, words left
        {{0}, {"hus", "katt", "b\xE5tar"}},        {{3, 1, 3}, {"bil", "katt"}}, {{0, 1, 2, 3}, {}},
        {{7}, {"bil", "hus", "katt", "b\xE5tar"}}, // outside the list: nothing happens
        {{}, {"bil", "hus", "katt", "b\xE5tar"}},
    };
    for (const auto& [rows, left] : cases) {
        CWordEngine engine;
        engine.m_words = {"bil", "hus", "katt", "b\xE5tar"};
        engine.SortWords(SORT_BY_LENGTH);
        engine.DeleteWords(rows);
        EXPECT_EQ(engine.m_words, left);
        EXPECT_EQ(engine.CountWords(0, 35), 4u);
    }
}

TEST(WordFile, LoadingOddFiles)
{
    const struct {
        const char* what;
        std::string bytes;
        Words words;
    } cases[] = {
        {"CR LF", "Hus\r\n  bil\t\r\nB\xC5TAR\r\n", {"bil", "hus", "b\xE5tar"}},
        {"bare CR joins lines", "hus\rbil\r", {}},
        {"no end on the last line, blank lines", "\n\r\n \nhus\nhus\nekorre", {"hus", "ekorre"}},
        {"NUL bytes", std::string("ek\0rre\nsol\0\nbil\n", 16), {"bil", "sol"}},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBFhus\nbil\n", {"bil", "hus"}},
        {"UTF-8", "b\xC3\xA5t\n\xC3\x96GA\ns\xC3\xB6t\n", {"b\xE5t", "s\xF6t", "\xF6ga"}},
        {"UTF-8, a letter Windows-1252 lacks", "b\xC3\xA5t\nkra\xC5\x8B\nsol\n", {"b\xE5t", "sol"}},
        {"UTF-8 and Windows-1252 mixed", "b\xE5t\ns\xC3\xB6t\n", {"b\xE5t"}},
        {"a huge single line dropped, the rest loaded",
         "hus\n" + std::string(100'000'000, 'a') + "\r\n   \t" + std::string(20'000'000, ' ') + "katt"
             + std::string(10'000'000, '\x01') + "\nsol",
         {"hus", "sol", "katt"}},
    };
    const TempFolder folder;
    for (const auto& c : cases) {
        CWordEngine engine;
        engine.m_strFileName = folder.File("ordkamp.se");
        WriteBytes(engine.m_strFileName, c.bytes);
        EXPECT_TRUE(engine.LoadWordList()) << c.what;
        EXPECT_EQ(engine.m_words, c.words) << c.what;
    }
}

} // namespace
