#include "engine/Hints.h"

#include "engine/WordEngine.h"

#include <gtest/gtest.h>

namespace {

TEST(Hints, NeverTheLastUnknownLetter)
{
    const struct {
        unsigned game;
        const char* answer;
        const char* puzzle; // hangman: what is shown
        unsigned level;
        std::string shown; // the letter or the beginning a hint gives; "" none
    } cases[] = {
        {GAME_HANGMAN, "ekorre", "------", 0, "e"},
        {GAME_HANGMAN, "ekorre", "e----e", 0, "k"},
        {GAME_HANGMAN, "ekorre", "eko--e", 0, ""},  // only r is hidden: it would solve the word
        {GAME_HANGMAN, "katten", "ka--en", 0, ""},
        {GAME_HANGMAN, "katten", "k---en", 0, "a"},
        {GAME_ANAGRAM, "katten", "", 1, "k"},
        {GAME_ANAGRAM, "katten", "", 5, "katte"},
        {GAME_ANAGRAM, "katten", "", 6, ""},
        {GAME_ANAGRAM, "bil", "", 3, ""},
        {GAME_MIXWORD, "katten", "", 1, "ka"},
        {GAME_MIXWORD, "katten", "", 4, "katte"},
        {GAME_MIXWORD, "katten", "", 5, ""},
        {GAME_MIXWORD, "bil", "", 2, ""},
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        engine.m_nGameType = c.game;
        engine.m_strAnswer[0] = c.answer;
        engine.m_strPuzzle = c.puzzle;
        const std::string shown = c.game == GAME_HANGMAN
            ? std::string(HangmanHintLetter(engine) ? 1 : 0, HangmanHintLetter(engine))
            : HintPrefix(engine, c.level);
        EXPECT_EQ(shown, c.shown) << c.answer << " " << c.puzzle << " " << c.level;
    }
}

} // namespace
