#include "engine/Turn.h"

#include "EngineFixtures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Plays a script of events ("start", "tick*5", "guess=x", "guess=answer1..3",
// "hint", "giveup", "take=4", "abandon", "pause", "resume") and returns the last event, with
// the sounds of all of them as letters: Tick, time Out, Solved, Wrong letter,
// Refused, Match over.
TurnEvent Play(CTurn& turn, const CWordEngine& engine, const std::string& script, std::string& sounds)
{
    TurnEvent last;
    std::istringstream steps(script);
    for (std::string step; steps >> step;) {
        const std::size_t mark = step.find_first_of("=*");
        const std::string name = step.substr(0, mark), value = mark == std::string::npos ? "" : step.substr(mark + 1);
        for (int times = step[mark == std::string::npos ? 0 : mark] == '*' ? std::stoi(value) : 1; times > 0; --times) {
            last = name == "start" ? turn.Start()
                : name == "tick"   ? turn.Tick()
                : name == "guess"
                ? turn.Guess(value.starts_with("answer") ? engine.m_strAnswer[value.back() - '1'] : value)
                : name == "hint"   ? turn.Hint()
                : name == "giveup" ? turn.GiveUp()
                : name == "take"   ? turn.TakeTime(static_cast<unsigned>(std::stoi(value)))
                : name == "pause"  ? turn.Pause()
                : name == "resume" ? turn.Resume()
                                   : turn.Abandon();
            for (const TurnSound sound : last.sounds)
                sounds += "TOSWRM"[static_cast<int>(sound)];
        }
    }
    return last;
}

TEST(Turn, EventsStateClockSoundsAndScore)
{
    using enum TurnShows;
    const struct {
        const char* script;
        unsigned game;
        const char* sounds;
        TurnState state;
        int left;
        TurnShows shows; // by the last event
        uint32_t points, bonus; // Anna's, who starts with a bonus of 2: (letters - shortest + bonus) a second
        unsigned current; // the player whose turn it is, or whose result shows
        unsigned rounds = 0; // of the match; 0, the endless game
        bool withSentence = false, sentenceShown = false; // the words have a hint sentence; it was shown
    } cases[] = {
        {"start", GAME_HANGMAN, "", TURN_RUNNING, 60, NewPuzzle, 0, 2, 0},
        {"guess=e tick hint giveup pause resume", GAME_HANGMAN, "", TURN_WAITING, 0, Unchanged, 0, 2,
         0}, // nothing before the start
        {"start guess=E guess=x guess=x guess=- guess=k guess=o", GAME_HANGMAN, "W", TURN_RUNNING, 56, Puzzle, 0, 2, 0},
        {"start guess=e guess=x guess=k guess=o guess=r", GAME_HANGMAN, "WS", TURN_RESULT, 56, Right, 3 * 56, 3, 0},
        {"start guess=ekorre", GAME_ANAGRAM, "S", TURN_RESULT, 60, Right, 3 * 60, 3, 0},
        // Either of the list's two words of these letters, whichever is hidden; not other arrangements.
        {"start guess=erkore", GAME_ANAGRAM, "S", TURN_RESULT, 60, Right, 3 * 60, 3, 0},
        {"start guess=rekore guess=erkorr", GAME_ANAGRAM, "", TURN_RUNNING, 60, Puzzle, 0, 2, 0},
        {"start tick*2 guess=EKORRE start", GAME_ANAGRAM, "S", TURN_RESULT, 58, Unchanged, 3 * 58, 3, 0},
        {"start guess=answer3", GAME_MIXWORD, "S", TURN_RESULT, 60, Right, 3 * 60, 3, 0}, // any of the three
        {"start tick*59", GAME_ANAGRAM, "TTTTT", TURN_RUNNING, 1, Unchanged, 0, 2, 0},
        {"start tick*60", GAME_ANAGRAM, "TTTTTO", TURN_RESULT, 0, Wrong, 0, 0, 0},
        {"start tick*60 guess=ekorre hint pause", GAME_ANAGRAM, "TTTTTO", TURN_RESULT, 0, Unchanged, 0, 0, 0},
        {"start tick*60 tick", GAME_ANAGRAM, "TTTTTO", TURN_WAITING, 0, NextPlayer, 0, 0, 1},
        {"start tick*57 guess=z", GAME_HANGMAN, "TTTWO", TURN_RESULT, 0, Wrong, 0, 0, 0},
        {"start tick*50 guess=z", GAME_HANGMAN, "W", TURN_RUNNING, 6, Puzzle, 0, 2, 0},
        {"start tick*49 guess=z guess=y", GAME_HANGMAN, "WWT", TURN_RUNNING, 3, Puzzle, 0, 2, 0},
        {"start take=59", GAME_HANGMAN, "T", TURN_RUNNING, 1, Unchanged, 0, 2, 0},
        {"start giveup", GAME_MIXWORD, "O", TURN_RESULT, 0, Wrong, 0, 0, 0},
        // A hint costs the penalty; hangman shows a letter, never the last one hidden.
        {"start hint hint hint", GAME_HANGMAN, "", TURN_RUNNING, 48, Puzzle, 0, 2, 0},
        {"start hint hint hint hint", GAME_HANGMAN, "R", TURN_RUNNING, 48, Unchanged, 0, 2, 0},
        {"start hint*5 hint", GAME_ANAGRAM, "R", TURN_RUNNING, 40, Unchanged, 0, 2, 0},
        {"start hint*3 hint", GAME_MIXWORD, "R", TURN_RUNNING, 48, Unchanged, 0, 2, 0},
        // A hint sentence is the first hint, for the same cost; then the letters as before.
        {"start hint", GAME_ANAGRAM, "", TURN_RUNNING, 56, Puzzle, 0, 2, 0, 0, true, true},
        {"start hint*6 hint", GAME_ANAGRAM, "R", TURN_RUNNING, 36, Unchanged, 0, 2, 0, 0, true, true},
        {"start hint*4 hint", GAME_HANGMAN, "R", TURN_RUNNING, 44, Unchanged, 0, 2, 0, 0, true, true},
        {"start hint guess=answer1", GAME_ANAGRAM, "S", TURN_RESULT, 56, Right, 3 * 56, 3, 0},
        {"start abandon", GAME_ANAGRAM, "", TURN_WAITING, 60, Unchanged, 0, 2, 0},
        // Paused, nothing counts but going on, with the seconds that were left.
        {"start tick*2 pause", GAME_ANAGRAM, "", TURN_RUNNING, 58, Paused, 0, 2, 0},
        {"start tick*2 pause tick*70 take=9 guess=ekorre hint giveup pause", GAME_ANAGRAM, "", TURN_RUNNING, 58,
         Unchanged, 0, 2, 0},
        {"start tick*2 pause tick resume", GAME_ANAGRAM, "", TURN_RUNNING, 58, Puzzle, 0, 2, 0},
        {"start tick*2 pause resume resume tick guess=ekorre", GAME_ANAGRAM, "S", TURN_RESULT, 57, Right, 3 * 57, 3, 0},
        {"start pause abandon start tick", GAME_ANAGRAM, "", TURN_RUNNING, 59, Unchanged, 0, 2, 0},
        {"start giveup abandon start", GAME_ANAGRAM, "O", TURN_RUNNING, 60, NewPuzzle, 0, 0,
         0}, // chosen anew: no hand-over
        // A match of one round is over after the last player's result pause; one of two goes on.
        {"start guess=ekorre tick start", GAME_ANAGRAM, "S", TURN_RUNNING, 60, NewPuzzle, 3 * 60, 3, 1, 1},
        {"start guess=ekorre tick start giveup tick", GAME_ANAGRAM, "SOM", TURN_WAITING, 0, MatchOver, 3 * 60, 3, 0, 1},
        {"start guess=ekorre tick start giveup tick", GAME_ANAGRAM, "SO", TURN_WAITING, 0, NextPlayer, 3 * 60, 3, 0, 2},
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        // Two words of six letters, one an anagram of the other; three of five for the mixword.
        FillWords(engine, {"ekorre", "erkore", "bakar", "filar", "m\xE5ste"});
        engine.SetRule(c.game == GAME_MIXWORD ? RULE_MAX_LETTERS : RULE_MIN_LETTERS, c.game == GAME_MIXWORD ? 5 : 6);
        engine.AddPlayer("Anna");
        engine.AddPlayer("Bo");
        engine.m_players[0].m_nBonus = 2;
        engine.m_nGameTypeSetting = c.game;
        engine.m_match.m_nRounds = c.rounds;
        engine.m_random.Seed(1);
        if (c.withSentence)
            engine.m_hints = {{"ekorre", "Ett djur i skogen"}, {"erkore", "Ett annat ord"}};
        CTurn turn(engine);
        std::string sounds;
        const TurnEvent last = Play(turn, engine, c.script, sounds);
        EXPECT_EQ(std::tuple(sounds, turn.State(), turn.SecondsLeft(), int(last.shows), engine.m_players[0].m_nPoints,
                             engine.m_players[0].m_nBonus, engine.m_nCurPlayer, turn.ClockPeriod(),
                             turn.SentenceShown()),
                  std::tuple(std::string(c.sounds), c.state, c.left, int(c.shows), c.points, c.bonus, c.current,
                             c.state == TURN_RESULT ? 1500 : 1000, c.sentenceShown))
            << c.script << " in game " << c.game;
    }
}

TEST(Turn, ResultPauseShowsTheFinishedTurn)
{
    // Alternating, one player finishes a round every turn, so the game
    // changes at each hand-over; the pause must still show the game played.
    for (const unsigned setting : {GAME_ALTERNATING, GAME_RANDOM}) {
        CWordEngine engine;
        engine.m_random.Seed(7);
        FillWords(engine, {"ekorre", "bakar", "filar", "m\xE5ste", "vaxar"});
        engine.SetRule(RULE_MIN_LETTERS, 5);
        engine.AddPlayer("Anna");
        engine.m_nGameTypeSetting = setting;
        CTurn turn(engine);
        bool played[GAME_COUNT] = {};
        for (uint32_t round = 0; round < 12; ++round) {
            ASSERT_EQ(turn.Start().shows, TurnShows::NewPuzzle);
            const unsigned game = engine.m_nGameType;
            played[game] = true;
            const std::string answer = game == GAME_MIXWORD
                ? engine.m_strAnswer[0] + ", " + engine.m_strAnswer[1] + ", " + engine.m_strAnswer[2]
                : engine.m_strAnswer[0];
            const TurnEvent result = turn.GiveUp();
            EXPECT_EQ(std::tuple(int(result.shows), result.answer, engine.m_nRound, engine.m_nGameType),
                      std::tuple(int(TurnShows::Wrong), answer, round, game))
                << "setting " << setting << ", round " << round;
            EXPECT_EQ(turn.Tick().shows, TurnShows::NextPlayer);
            EXPECT_EQ(engine.m_nRound, round + 1);
        }
        EXPECT_TRUE(played[GAME_HANGMAN] && played[GAME_ANAGRAM] && played[GAME_MIXWORD]) << setting;
    }
}

TEST(Turn, NoTurnWithoutPlayersOrWords)
{
    CWordEngine engine;
    FillWords(engine, {"ekorre"});
    CTurn turn(engine);
    EXPECT_EQ(turn.Start().shows, TurnShows::NoPlayers);
    engine.AddPlayer("Anna");
    engine.SetRule(RULE_MIN_LETTERS, 7);
    EXPECT_EQ(turn.Start().shows, TurnShows::TooFewWords);
}

} // namespace
