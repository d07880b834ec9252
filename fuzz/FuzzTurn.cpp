// The turn machine under any sequence of events (start, guesses, the clock,
// hints, giving up, penalties, players coming, going and chosen): the clock
// stays within the turn and never below 0, a solve scores as the rules say,
// a time-out clears the bonus, a running turn always has a puzzle and a
// player, and a hangman puzzle shows only the answer's letters.

#include "Check.h"
#include "engine/Turn.h"
#include "engine/WordEngine.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    CWordEngine engine;
    engine.AddWordsFromText("ekorre\nbakar\nfilar\nm\xE5ste\nhakar\nlakar\n\xF6verallt\nkastade\n", SORT_BY_LENGTH);
    engine.m_nGameTypeSetting = data[0] % 5;
    engine.m_random.Seed(data[1]);
    engine.SetRule(2, data[2] % 16);
    engine.SetRule(3 + data[3] % 3, data[3] / 3 % 40);
    engine.AddPlayer("Anna");
    CTurn turn(engine);

    static const char letters[] = "aeikorstlnbdfhmv\xE5\xE4\xF6-1 AEKORSLN";
    for (std::size_t i = 4; i < size; ++i) {
        const unsigned op = data[i] % 8, arg = data[i] / 8;
        const TurnState stateBefore = turn.State();
        const int leftBefore = turn.SecondsLeft();
        const std::size_t playing = engine.m_nCurPlayer;
        const Player before = playing < engine.m_players.size() ? engine.m_players[playing] : Player{};
        TurnEvent event;
        bool abandoned = false;
        if (op < 7) {
            event = op == 0 ? turn.Start()
                : op == 1   ? turn.Guess(std::string(1, letters[arg % (sizeof letters - 1)]))
                : op == 2   ? turn.Guess(engine.m_strAnswer[arg % 3])
                : op == 3   ? turn.Tick()
                : op == 4   ? turn.Hint()
                : op == 5   ? turn.GiveUp()
                            : turn.TakeTime(arg);
        } else if (arg % 3 == 0 || engine.m_players.empty()) {
            if (engine.m_players.size() < 5)
                engine.AddPlayer("Bo");
        } else { // the window abandons the turn when the current player goes or another is chosen
            const unsigned index = arg / 3 % engine.m_players.size();
            abandoned = arg % 3 == 2 || index == engine.m_nCurPlayer;
            arg % 3 == 1 ? engine.DeletePlayer(index) : void(engine.m_nCurPlayer = index);
            if (abandoned)
                event = turn.Abandon();
        }

        Check(turn.SecondsLeft() >= 0 && turn.SecondsLeft() <= turn.Seconds());
        if (turn.State() == TURN_RUNNING) {
            Check(!engine.m_strPuzzle.empty() && engine.m_nCurPlayer < engine.m_players.size());
            Check(stateBefore != TURN_RUNNING || turn.SecondsLeft() <= leftBefore);
            const std::string &word = engine.m_strAnswer[0], &tried = engine.m_strGuessed;
            for (std::size_t k = 0; engine.m_nGameType == GAME_HANGMAN && k < word.size(); ++k)
                Check(engine.m_strPuzzle.size() == word.size()
                      && (engine.m_strPuzzle[k] == '-' || engine.m_strPuzzle[k] == word[k]));
            for (std::size_t k = 1; engine.m_nGameType == GAME_HANGMAN && k < tried.size(); ++k)
                Check(static_cast<unsigned char>(tried[k - 1]) < static_cast<unsigned char>(tried[k]));
        }
        // The clock restarts into and out of the result pause, and when the turn is abandoned.
        Check(event.clockRestarted == (abandoned || (stateBefore == TURN_RESULT) != (turn.State() == TURN_RESULT)));
        const bool timeOut = !event.sounds.empty() && event.sounds.back() == TurnSound::TimeOut;
        Check(timeOut == (event.shows == TurnShows::Wrong));
        if (event.shows == TurnShows::Right || event.shows == TurnShows::Wrong) {
            // The pause shows the finished turn: its player, its game's answer.
            Check(stateBefore == TURN_RUNNING && turn.State() == TURN_RESULT && engine.m_nCurPlayer == playing);
            Check(event.answer.starts_with(engine.m_strAnswer[0])
                  && (engine.m_nGameType == GAME_MIXWORD) == (event.answer.size() > engine.m_strAnswer[0].size()));
            const Player& after = engine.m_players[playing];
            if (event.shows == TurnShows::Wrong) {
                Check(turn.SecondsLeft() == 0 && after.m_nBonus == 0 && after.m_nPoints == before.m_nPoints);
            } else {
                Check(after.m_nBonus == before.m_nBonus + 1);
                const int64_t perSecond = int64_t(engine.m_strAnswer[0].size()) - engine.m_nMinLetters + after.m_nBonus;
                Check(engine.m_nLastPoints == static_cast<int32_t>(perSecond * std::max(turn.SecondsLeft(), 1)));
                Check(after.m_nPoints == before.m_nPoints + static_cast<uint32_t>(engine.m_nLastPoints)
                      && event.points == engine.m_nLastPoints);
            }
        }
    }
    return 0;
}
