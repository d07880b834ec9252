// The window's side of a turn: it feeds the turn machine the clock, the
// guesses and the menu's hint and give-up, and draws what each did.

#include "app/WordGameDlg.h"

#include "engine/Hints.h"
#include "platform/Beep.h"
#include "platform/Windows1252.h"
#include "res/GameTemplate.h"
#include "res/Strings.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>

#include <algorithm>

namespace {

// The controls of the rules panel, disabled while a turn runs.
constexpr int kRuleControls[] = {
    IDC_TIME_HANGMAN, IDC_TIME_ANAGRAM, IDC_TIME_MIXWORD, IDC_GAME_TYPE, IDC_PENALTY, IDC_MIN_LETTERS, IDC_MAX_LETTERS,
};

} // namespace

void CWordGameDlg::OnChangeGuess()
{
    if (m_turn.State() == TURN_WAITING || m_turn.Paused()) {
        StartOrResume();
        return;
    }
    if (m_turn.State() != TURN_RUNNING)
        return;
    UpdateData(true);
    ShowTurn(m_turn.Guess(ToWindows1252(m_strGuess.trimmed())));
    RefreshBoard(); // a typed letter lies on its tile
}

void CWordGameDlg::OnTimer()
{
    ShowTurn(m_turn.Tick());
}

void CWordGameDlg::OnHint()
{
    ShowTurn(m_turn.Hint());
}

void CWordGameDlg::OnGiveUp()
{
    ShowTurn(m_turn.GiveUp());
}

void CWordGameDlg::OnPause()
{
    ShowTurn(m_turn.Pause());
    DialogControl(this, IDC_GUESS)->setFocus(); // where a key goes on
}

void CWordGameDlg::SubtractTime(int seconds)
{
    ShowTurn(m_turn.TakeTime(static_cast<unsigned>(std::max(seconds, 0))));
}

void CWordGameDlg::ShowTurn(const TurnEvent& event)
{
    // Before the message: merging in another window's results may move the place.
    if (event.placeWon)
        KeepHighscores();
    for (const TurnSound sound : event.sounds)
        AppBeep(SoundOf(sound));
    if (event.guessUsedUp)
        m_strGuess.clear();
    switch (event.shows) {
    case TurnShows::Unchanged:
        break;
    case TurnShows::NewPuzzle:
        RefreshPlayers();
        RefreshPuzzle();
        break;
    case TurnShows::Puzzle:
        RefreshPuzzle();
        break;
    case TurnShows::NoPlayers:
        ShowMessage(MESSAGE_TEXT, true, IDS_ADD_PLAYER);
        break;
    case TurnShows::TooFewWords:
        ShowMessage(MESSAGE_TEXT, true, IDS_TOO_FEW_WORDS);
        break;
    case TurnShows::Right:
    case TurnShows::Wrong:
        ShowResult(event);
        RefreshPlayers();
        break;
    case TurnShows::Paused:
        m_guessBeforePause = m_strGuess;
        ShowMessage(MESSAGE_TEXT, true, IDS_PAUSED);
        break;
    case TurnShows::MatchOver:
        RefreshPlayers();
        ShowMatchResults();
        break;
    case TurnShows::NextPlayer:
        m_strGuess = LoadString(IDS_PRESS_KEY);
        ShowMessage(MESSAGE_NEXT_PLAYER, false, 0);
        break;
    }
    if (event.clockRestarted)
        m_timer.start(m_turn.ClockPeriod());
    ShowTurnState();
    if (std::find(event.sounds.begin(), event.sounds.end(), TurnSound::Tick) != event.sounds.end())
        AnnounceInGuess(FormatString(IDS_A11Y_SECONDS_LEFT, {QString::number(m_turn.SecondsLeft())}));
}

void CWordGameDlg::ShowTurnState()
{
    const bool running = m_turn.State() == TURN_RUNNING;
    for (const int id : kRuleControls) // an up-down and its edit are one control
        EnableControl(id, !running);
    for (const int command : {ID_HINT, ID_GIVE_UP, ID_PAUSE})
        findChild<QAction*>(QString::number(command))->setEnabled(running && !m_turn.Paused());
    m_wordListMenu->setEnabled(!running); // as the rules: not in the middle of a turn
    m_matchMenu->setEnabled(!running);
    m_newMatchAction->setEnabled(!running);
    // Before the first turn the bar is empty, not busy.
    m_progressTime->setRange(0, std::max(m_turn.Seconds(), 1));
    m_progressTime->setValue(m_turn.SecondsLeft());
    m_strCountdown = QString::number(m_turn.SecondsLeft());
    UpdateData(false);
    RefreshBoard();
}

void CWordGameDlg::RefreshPuzzle()
{
    m_strDisplay.clear();
    if (m_engine.m_nGameType == GAME_ANAGRAM)
        m_strDisplay += QStringLiteral("\r\n");
    m_strDisplay += FromWindows1252(m_engine.m_strPuzzle);
    if (m_engine.m_nGameType == GAME_MIXWORD)
        m_strDisplay.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    if (m_engine.m_nGameType == GAME_HANGMAN)
        m_strDisplay += QStringLiteral("\r\n\r\n") + FromWindows1252(m_engine.m_strGuessed);
    else if (m_turn.HintLevel() > 0)
        m_strDisplay += QStringLiteral("\r\n")
            + FormatString(IDS_HINT_LINE, {FromWindows1252(HintPrefix(m_engine, m_turn.HintLevel()))});
}

void CWordGameDlg::ShowMessage(int kind, bool clear, unsigned stringId)
{
    if (clear)
        m_strDisplay.clear();
    switch (kind) {
    case MESSAGE_TEXT:
        m_strDisplay += LoadString(stringId);
        break;
    case MESSAGE_NEXT_PLAYER:
        if (m_engine.m_nCurPlayer < m_engine.m_players.size())
            m_strDisplay += NextPlayerText(m_engine.m_nCurPlayer, m_engine.m_nRound);
        break;
    default:
        break;
    }
}

void CWordGameDlg::ShowResult(const TurnEvent& result)
{
    const QString answer = FromWindows1252(result.answer);
    if (result.shows == TurnShows::Wrong) {
        m_strDisplay = FormatString(IDS_WRONG, {answer});
        return;
    }
    m_strDisplay = FormatString(IDS_RIGHT, {QString::number(result.points), answer});
    // The place as the save's merge left it, which may have moved it.
    const unsigned place = m_engine.m_nHighscoreRank;
    if (place == 1)
        m_strDisplay += QStringLiteral("\r\n") + LoadString(IDS_NEW_HIGHSCORE);
    else if (place >= 2 && place <= 10)
        m_strDisplay += QStringLiteral("\r\n") + LoadString(IDS_TOP_TEN);
}
