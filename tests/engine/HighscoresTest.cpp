#include "engine/Highscores.h"

#include "EngineFixtures.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

struct HighscoreTurn : ::testing::Test {
    CWordEngine engine;

    void SetUp() override
    {
        FillWords(engine, ManyWords(100));
        engine.AddPlayer("Anna");
    }

    // A solve of a word of `length` letters in `game` with `secondsLeft`.
    unsigned Solve(unsigned game, std::size_t length, unsigned secondsLeft)
    {
        engine.m_nGameType = game;
        engine.m_nHighscoreRank = 0;
        engine.m_strAnswer[0] = std::string(length, 'x');
        engine.RecordSolve(secondsLeft);
        return engine.m_nHighscoreRank;
    }
};

// Places in an empty table, ties below the earlier entry, and a full table
// pushed down, dropping its last entry.
TEST_F(HighscoreTurn, PlacesInAnEmptyAndAFullTable)
{
    EXPECT_EQ(Solve(GAME_MIXWORD, 6, 50), 1u); // (120 - 10) * 6 = 660
    const CHighscoreEntry& entry = engine.m_highscores[GAME_MIXWORD][0];
    EXPECT_EQ(entry.m_strName, "Anna");
    EXPECT_TRUE(std::regex_match(entry.m_strDate, std::regex(R"(\d{4}-\d{2}-\d{2})"))) << entry.m_strDate;
    EXPECT_EQ(Solve(GAME_MIXWORD, 5, 50), 2u); // 550
    EXPECT_EQ(Solve(GAME_MIXWORD, 6, 50), 2u); // equal to the first goes below it
    EXPECT_EQ(Solve(GAME_MIXWORD, 8, 60), 1u); // 960
    EXPECT_EQ(Solve(GAME_MIXWORD, 5, 0), 5u); // no time left counts as one second: 445
    EXPECT_EQ(engine.m_highscores[GAME_MIXWORD][4].m_nTimeUsed, 59);

    for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i) // scores 1000, 990, ..., 10
        engine.AddHighscore(GAME_HANGMAN, i, std::string("P").append(std::to_string(i)), "2020-01-01", 10,
                            static_cast<int16_t>(20 + i));
    // 505 beats entry 50 (500) and ties nothing: place 51.
    engine.m_nTime[GAME_HANGMAN] = 120;
    EXPECT_EQ(Solve(GAME_HANGMAN, 5, 101), 51u);
    const CHighscoreEntry* table = engine.m_highscores[GAME_HANGMAN];
    EXPECT_EQ(table[50].m_strName + table[51].m_strName + table[99].m_strName, "AnnaP50P98");
    EXPECT_EQ(Solve(GAME_HANGMAN, 1, 20), 0u); // 20 only ties the last entry
    EXPECT_EQ(table[99].m_strName, "P98");
}

TEST_F(HighscoreTurn, NoEntryWhenTheResultCannotCount)
{
    const struct {
        const char* what;
        unsigned available, penalty, time, game, secondsLeft, rank;
    } cases[] = {
        {"99 available words", 99, 4, 60, GAME_ANAGRAM, 59, 0},
        {"hangman penalty 2", 100, 2, 60, GAME_HANGMAN, 59, HIGHSCORE_NOT_ELIGIBLE},
        {"hangman penalty 3", 100, 3, 60, GAME_HANGMAN, 59, 1},
        {"penalty 2 outside hangman", 100, 2, 60, GAME_ANAGRAM, 59, 1},
        {"120 seconds used", 100, 4, 150, GAME_ANAGRAM, 30, 0},
    };
    for (const auto& c : cases) {
        FillWords(engine, ManyWords(c.available));
        engine.m_nHangmanPenalty = c.penalty;
        engine.m_nTime[c.game] = c.time;
        EXPECT_EQ(Solve(c.game, 6, c.secondsLeft), c.rank) << c.what;
    }
}

// Entries by a letter: the name, a length of 5 and seconds used so that
// earlier letters score more ('a' 0 s, 'b' 10 s ...); "=x" scores as x on
// an earlier date.
struct Table {
    HighscoreTable entries;
    Table(std::initializer_list<const char*> codes)
    {
        std::size_t i = 0;
        for (const std::string code : codes)
            entries[i++] = {code, code[0] == '=' ? "2026-12-01" : "2026-12-05", 5,
                            static_cast<int16_t>((code.back() - 'a') * 10)};
    }
};

TEST(HighscoreMerge, KeepsWhatEitherWriterAdded)
{
    const struct {
        const char* what;
        Table base, theirs, ours;
        unsigned rank;
        Table merged;
        unsigned mergedRank;
    } cases[] = {
        {"nothing new in the file", {"a", "c"}, {"a", "c"}, {"a", "b", "c"}, 2, {"a", "b", "c"}, 2},
        {"the file gained one", {"a", "c"}, {"a", "b", "c"}, {"a", "c", "d"}, 3, {"a", "b", "c", "d"}, 4},
        {"ties: the earlier date first, else ours", {}, {"=b", "c"}, {"b", "c"}, 2, {"=b", "b", "c", "c"}, 3},
        {"ours reset stays reset", {"a", "b"}, {"a", "b"}, {}, 0, {}, 0},
        {"a file copied in from elsewhere", {"a"}, {"b", "c"}, {"a", "d"}, 2, {"a", "b", "c", "d"}, 4},
        {"an entry won twice counts twice", {"b"}, {"b", "b"}, {"b"}, 0, {"b", "b"}, 0},
        {"not eligible is no place", {}, {"a"}, {"b"}, HIGHSCORE_NOT_ELIGIBLE, {"a", "b"}, 0},
    };
    for (const auto& c : cases) {
        Table ours = c.ours;
        EXPECT_EQ(MergeHighscoreTable(c.base.entries, c.theirs.entries, ours.entries, c.rank), c.mergedRank) << c.what;
        EXPECT_TRUE(std::equal(std::begin(ours.entries), std::end(ours.entries), std::begin(c.merged.entries)))
            << c.what;
    }
}

} // namespace
