#include "engine/WordEngine.h"

#include <gtest/gtest.h>

namespace {

// A turn of the given game on the given answers, the puzzle as the game
// would show it before any guess.
CWordEngine Turn(unsigned game, std::string word, std::string second = {}, std::string third = {})
{
    CWordEngine engine;
    engine.AddPlayer("Anna");
    engine.m_nGameType = game;
    engine.m_strAnswer[0] = word;
    engine.m_strAnswer[1] = second;
    engine.m_strAnswer[2] = third;
    engine.m_strPuzzle = game == GAME_HANGMAN ? std::string(word.size(), '-') : word;
    return engine;
}

TEST(Scoring, HangmanUncoversLettersAndPunishesWrongOnes)
{
    CWordEngine engine = Turn(GAME_HANGMAN, "ekorre");
    const struct { std::string guess; unsigned result; const char* puzzle; const char* guessed; } steps[] = {
        {"E", GUESS_NONE, "e----e", "e"}, {"x", GUESS_WRONG_LETTER, "e----e", "ex"},
        {"x", GUESS_NONE, "e----e", "ex"}, {" k", GUESS_NONE, "e----e", "ex"},
        {"\xF6", GUESS_WRONG_LETTER, "e----e", "ex\xF6"}, // tried letters in byte order
        {"K", GUESS_NONE, "ek---e", "ekx\xF6"}, {"o", GUESS_NONE, "eko--e", "ekox\xF6"},
        {"rst", GUESS_SOLVED, "ekorre", "ekorx\xF6"},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(engine.CheckGuess(step.guess, 30), step.result) << step.guess;
        EXPECT_EQ(engine.m_strPuzzle, step.puzzle) << step.guess;
        EXPECT_EQ(engine.m_strGuessed, step.guessed) << step.guess;
    }
    CWordEngine swedish = Turn(GAME_HANGMAN, "\xE4pple"); // upper-case Swedish letters fold too
    swedish.CheckGuess("\xC4", 30);
    EXPECT_EQ(swedish.m_strPuzzle, "\xE4----");
}

TEST(Scoring, TypedWordsSolveAnagramAndMixword)
{
    const struct { unsigned game; std::string guess; unsigned result; } cases[] = {
        {GAME_ANAGRAM, "HUS", GUESS_SOLVED}, {GAME_ANAGRAM, "hus ", GUESS_NONE},
        {GAME_ANAGRAM, "bil", GUESS_NONE}, // a second answer counts only in mixword
        {GAME_MIXWORD, "Sol", GUESS_SOLVED}, {GAME_MIXWORD, "hul", GUESS_NONE},
    };
    for (const auto& c : cases) {
        CWordEngine engine = Turn(c.game, "hus", "bil", "sol");
        EXPECT_EQ(engine.CheckGuess(c.guess, 10), c.result) << c.game << ' ' << c.guess;
    }
}

} // namespace
