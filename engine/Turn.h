#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CWordEngine;

// The turn's states, numbered as the Windows program numbered them.
enum TurnState : int { TURN_RUNNING = 0, TURN_WAITING = 1, TURN_RESULT = 2 };

// The sounds a turn asks for.
enum class TurnSound { Tick, TimeOut, Solved, WrongLetter, Refused, MatchOver };

// What the display shows after a turn event.
enum class TurnShows {
    Unchanged,
    NewPuzzle, // a turn began
    Puzzle, // the puzzle changed (a letter, a hint)
    NoPlayers, // a turn could not begin: nobody to play it
    TooFewWords, // a turn could not begin: no puzzle within the rules
    Right, // solved: the points and the answer
    Wrong, // the time ran out: the answer
    NextPlayer, // the result pause is over: the next player's turn comes
    Paused, // the running turn is paused: the puzzle is hidden
    MatchOver, // the match's last round is finished: its results, no turn
};

// What one event did, for the window to draw and play.
struct TurnEvent {
    TurnShows shows = TurnShows::Unchanged;
    std::vector<TurnSound> sounds;
    bool guessUsedUp = false; // a hangman letter is consumed as it is typed
    bool placeWon = false; // the word solved won a highscore place
    bool clockRestarted = false; // the clock starts again at ClockPeriod()
    // A result (Right, Wrong) as the finished turn had it, composed before
    // anything moves on: the answer's text and the points won.
    std::string answer;
    int32_t points = 0;
};

// One player's turn at a time, over the engine's puzzle and players:
// waiting for a key, running with its seconds counting down, and a short
// pause that shows the result. No window, no timer of its own: the window
// feeds it events and draws what they did.
class CTurn {
public:
    static constexpr int kLastSeconds = 5; // each of these ticks is heard
    static constexpr int kTickPeriod = 1000; // milliseconds
    static constexpr int kResultPause = 1500; // milliseconds

    explicit CTurn(CWordEngine& engine)
        : m_engine(engine)
    {
    }

    // A key while waiting: a new puzzle for the current player; none once
    // the match is over.
    TurnEvent Start();
    // A guess during the turn, in the word list's encoding.
    TurnEvent Guess(const std::string& guess);
    // The clock: a second off a running turn, or the end of the result
    // pause, which hands the turn to the next player.
    TurnEvent Tick();
    // Seconds off a running turn (a penalty); none left ends it unsolved.
    TurnEvent TakeTime(unsigned seconds);
    // A little of the answer for the penalty's seconds, or a refusal when it
    // would give the whole word away. A word with a hint sentence has the
    // sentence as its first hint.
    TurnEvent Hint();
    // Ends the running turn as a time-out.
    TurnEvent GiveUp();
    // The current player changed from outside (deleted, or another chosen):
    // a running turn or pause ends without a result.
    TurnEvent Abandon();
    // Stops a running turn's clock; nothing but Resume (and Abandon) counts
    // until it goes on with the seconds that were left.
    TurnEvent Pause();
    TurnEvent Resume();

    TurnState State() const { return m_state; }
    int Seconds() const { return m_seconds; } // the length of the last turn begun
    int SecondsLeft() const { return m_secondsLeft; } // never below 0
    unsigned HintLevel() const { return m_hintLevel; } // letter hints taken in this anagram or mixword turn
    bool SentenceShown() const { return m_sentenceShown; } // the word's hint sentence, taken as a hint
    bool Paused() const { return m_paused; }
    int ClockPeriod() const { return m_state == TURN_RESULT ? kResultPause : kTickPeriod; }

private:
    void TakeTime(unsigned seconds, TurnEvent& event);
    void Close(TurnShows result, TurnEvent& event);

    CWordEngine& m_engine;
    TurnState m_state = TURN_WAITING;
    int m_seconds = 0;
    int m_secondsLeft = 0;
    unsigned m_hintLevel = 0;
    bool m_sentenceShown = false;
    bool m_paused = false;
};
