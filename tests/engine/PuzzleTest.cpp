#include "engine/MixRows.h"

#include "EngineFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Words = std::vector<std::string>;

TEST(Puzzle, AnagramIsAnotherArrangementOfTheWord)
{
    CWordEngine engine;
    FillWords(engine, {"abba", "hus", "ekorre", "b\xE5tar", "kakao", "\xE4\xE5\xF6"});
    engine.m_nGameTypeSetting = GAME_ANAGRAM;
    engine.SetRule(RULE_MIN_LETTERS, 3);
    for (unsigned seed = 0; seed < 500; ++seed) {
        engine.m_random.Seed(seed);
        ASSERT_FALSE(engine.NewPuzzle());
        EXPECT_NE(engine.m_strPuzzle, engine.m_strAnswer[0]);
        EXPECT_TRUE(std::is_permutation(engine.m_strPuzzle.begin(), engine.m_strPuzzle.end(),
                                        engine.m_strAnswer[0].begin(), engine.m_strAnswer[0].end()));
        EXPECT_EQ(engine.GetAnswerText(), engine.m_strAnswer[0]);
    }
}

TEST(Puzzle, MixwordFindsAMixableTripleOrEnds)
{
    const struct {
        const char* what;
        Words words;
        std::size_t length;
    } cases[] = {
        {"two words of each length", {"bakar", "filar", "ekorre", "ekarna", "sovande", "bilarna"}, 0},
        {"a third word of one length", {"bakar", "filar", "ekorre", "ekarna", "ekollon", "sovande", "bilarna"}, 7},
        {"only first letters differ", {"bakar", "hakar", "lakar", "rakar", "takar"}, 0},
        {"tails differ in one column", {"bakar", "hakar", "lakar", "bikar", "fikar"}, 0},
        {"tails differ in two columns", {"bakar", "hakar", "bilar", "filar"}, 5},
        {"a third tail among unmixable words", {"bakar", "hakar", "lakar", "bilar", "filar", "kulor"}, 5},
        {"one column all different", {"bakar", "hikar", "lokar"}, 5},
        {"one rare tail two columns off", {"bakar", "hakar", "lakar", "rakar", "bokor"}, 5},
        {"three words", {"bakar", "filar", "m\xE5ste"}, 5},
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        FillWords(engine, c.words);
        engine.m_nGameTypeSetting = GAME_MIXWORD;
        for (unsigned seed = 0; seed < 200; ++seed) {
            engine.m_random.Seed(seed);
            const bool none = engine.NewPuzzle();
            ASSERT_EQ(none, c.length == 0) << c.what;
            if (none) {
                EXPECT_EQ(engine.m_strPuzzle, "") << c.what;
                continue;
            }
            // Three different words of the list, each mixed within its columns.
            const std::string* words = engine.m_strAnswer;
            const std::size_t length = words[0].size();
            EXPECT_EQ(length, c.length) << c.what;
            ASSERT_EQ(engine.m_strPuzzle.size(), 3 * length + 2) << engine.m_strPuzzle;
            const std::string rows[3] = {engine.m_strPuzzle.substr(0, length),
                                         engine.m_strPuzzle.substr(length + 1, length),
                                         engine.m_strPuzzle.substr(2 * length + 2)};
            EXPECT_TRUE(ValidArrangement(rows, words)) << engine.m_strPuzzle;
            EXPECT_TRUE(words[0] != words[1] && words[0] != words[2] && words[1] != words[2]);
            for (int k = 0; k < 3; ++k)
                EXPECT_NE(std::find(engine.m_words.begin(), engine.m_words.end(), words[k]), engine.m_words.end());
            EXPECT_EQ(engine.GetAnswerText(), words[0] + ", " + words[1] + ", " + words[2]);
        }
    }
}

// Words added without a sort leave the counts behind the list: no word is
// read past its end. (The range and the words to avoid are the mixword's.)
TEST(Puzzle, StaleCountsPickNoWordPastTheList)
{
    CWordEngine engine;
    FillWords(engine, {"bil", "hus", "katt", "hund", "b\xE5tar"});
    std::string extra = "ekorre";
    engine.AddWord(extra);
    engine.DeleteWords({0, 1, 2});
    EXPECT_EQ(engine.PickWord(3, 35), "");
}

// The fixed arrangement the random passes fall back on, for each shape of a
// mixable triple (which triples are mixable is the puzzle table's).
TEST(MixRows, ForcedApartEveryRowMovesWithinItsColumns)
{
    const std::string triples[][3] = {
        {"bakar", "hikar", "lokar"}, // a column of three letters
        {"bakar", "hakor", "lakur"}, // another
        {"bakar", "hakar", "lokor"}, // one odd row in two columns
    };
    for (const auto& words : triples) {
        std::string rows[3];
        ForceRowsApart(rows, words);
        EXPECT_TRUE(ValidArrangement(rows, words)) << rows[0] << ' ' << rows[1] << ' ' << rows[2];
    }
}

} // namespace
