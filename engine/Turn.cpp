#include "engine/Turn.h"

#include "engine/Hints.h"
#include "engine/WordEngine.h"

#include <algorithm>
#include <climits>

TurnEvent CTurn::Start()
{
    TurnEvent event;
    if (m_state != TURN_WAITING)
        return event;
    if (m_engine.m_players.empty()) {
        event.shows = TurnShows::NoPlayers;
        return event;
    }
    if (m_engine.MatchOver()) {
        event.shows = TurnShows::MatchOver;
        return event;
    }
    m_engine.NewPuzzle();
    if (m_engine.m_strPuzzle.empty()) {
        event.shows = TurnShows::TooFewWords;
        return event;
    }
    m_state = TURN_RUNNING;
    m_hintLevel = 0;
    m_sentenceShown = false;
    m_seconds = static_cast<int>(std::min<uint32_t>(m_engine.m_nTime[m_engine.m_nGameType], INT_MAX));
    m_secondsLeft = m_seconds;
    event.shows = TurnShows::NewPuzzle;
    return event;
}

TurnEvent CTurn::Guess(const std::string& guess)
{
    TurnEvent event;
    if (m_state != TURN_RUNNING || m_paused || guess.empty())
        return event;
    const unsigned result = m_engine.CheckGuess(guess, static_cast<unsigned>(m_secondsLeft));
    const bool hangman = m_engine.m_nGameType == GAME_HANGMAN;
    event.guessUsedUp = hangman;
    event.shows = TurnShows::Puzzle;
    if (result == GUESS_WRONG_LETTER && hangman) {
        event.sounds.push_back(TurnSound::WrongLetter);
        TakeTime(m_engine.m_nHangmanPenalty, event);
    } else if (result == GUESS_SOLVED) {
        event.sounds.push_back(TurnSound::Solved);
        event.placeWon = m_engine.m_nHighscoreRank >= 1 && m_engine.m_nHighscoreRank <= HIGHSCORE_PLACES;
        Close(TurnShows::Right, event);
    }
    return event;
}

TurnEvent CTurn::Tick()
{
    if (m_state != TURN_RESULT)
        return TakeTime(1);
    TurnEvent event;
    m_state = TURN_WAITING;
    m_engine.NextPlayer();
    event.shows = TurnShows::NextPlayer;
    if (m_engine.MatchOver()) {
        event.shows = TurnShows::MatchOver;
        event.sounds.push_back(TurnSound::MatchOver);
    }
    event.clockRestarted = true;
    return event;
}

TurnEvent CTurn::TakeTime(unsigned seconds)
{
    TurnEvent event;
    TakeTime(seconds, event);
    return event;
}

void CTurn::TakeTime(unsigned seconds, TurnEvent& event)
{
    if (m_state != TURN_RUNNING || m_paused)
        return;
    if (seconds >= static_cast<unsigned>(m_secondsLeft)) {
        m_secondsLeft = 0;
        event.sounds.push_back(TurnSound::TimeOut);
        if (m_engine.m_nCurPlayer < m_engine.m_players.size())
            m_engine.m_players[m_engine.m_nCurPlayer].m_nBonus = 0;
        Close(TurnShows::Wrong, event);
        return;
    }
    m_secondsLeft -= static_cast<int>(seconds);
    if (m_secondsLeft <= kLastSeconds)
        event.sounds.push_back(TurnSound::Tick);
}

TurnEvent CTurn::Hint()
{
    TurnEvent event;
    if (m_state != TURN_RUNNING || m_paused)
        return event;
    // A hint costs what a wrong hangman letter costs; one that would give
    // the whole word away is refused, for free.
    if (!m_sentenceShown && !m_engine.HintSentence().empty()) {
        m_sentenceShown = true;
    } else if (m_engine.m_nGameType == GAME_HANGMAN) {
        const char letter = HangmanHintLetter(m_engine);
        if (letter == '\0') {
            event.sounds.push_back(TurnSound::Refused);
            return event;
        }
        m_engine.CheckGuess(std::string(1, letter), static_cast<unsigned>(m_secondsLeft));
    } else {
        if (HintPrefix(m_engine, m_hintLevel + 1).empty()) {
            event.sounds.push_back(TurnSound::Refused);
            return event;
        }
        ++m_hintLevel;
    }
    event.shows = TurnShows::Puzzle;
    TakeTime(m_engine.m_nHangmanPenalty, event);
    return event;
}

TurnEvent CTurn::GiveUp()
{
    // As a time-out: no points, the bonus cleared, the answer shown.
    return TakeTime(static_cast<unsigned>(m_secondsLeft));
}

TurnEvent CTurn::Abandon()
{
    TurnEvent event;
    m_state = TURN_WAITING;
    m_paused = false;
    event.clockRestarted = true;
    return event;
}

TurnEvent CTurn::Pause()
{
    TurnEvent event;
    if (m_state != TURN_RUNNING || m_paused)
        return event;
    m_paused = true;
    event.shows = TurnShows::Paused;
    return event;
}

TurnEvent CTurn::Resume()
{
    TurnEvent event;
    if (!m_paused)
        return event;
    m_paused = false;
    event.shows = TurnShows::Puzzle;
    event.clockRestarted = true; // a whole second before the next one goes
    return event;
}

void CTurn::Close(TurnShows result, TurnEvent& event)
{
    // The pause shows the finished turn; the next player (and, alternating,
    // the next game) comes only when it ends.
    event.shows = result;
    event.answer = m_engine.GetAnswerText();
    event.points = result == TurnShows::Right ? m_engine.m_nLastPoints : 0;
    m_state = TURN_RESULT;
    event.clockRestarted = true;
}
