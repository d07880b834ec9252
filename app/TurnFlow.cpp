// The turn machine: waiting, running and showing a result, the one timer
// that counts a turn down, and the texts of the game display.

#include "app/WordGameDlg.h"

#include "engine/Hints.h"
#include "platform/Beep.h"
#include "platform/Windows1252.h"
#include "res/GameDialog.h"
#include "res/Strings.h"

#include <QAction>
#include <QProgressBar>

namespace {

// The controls of the rules panel, disabled while a turn runs.
constexpr int kRuleControls[] = {
    IDC_TIME_HANGMAN, IDC_TIME_ANAGRAM, IDC_TIME_MIXWORD, IDC_GAME_TYPE, IDC_PENALTY,
    IDC_MIN_LETTERS, IDC_MAX_LETTERS,
};

constexpr int kResultPause = 1500;
constexpr int kTick = 1000;

} // namespace

void CWordGameDlg::SetState(int state)
{
    m_nState = state;
    for (const int id : kRuleControls) // an up-down and its edit are one control
        EnableControl(id, state != TURN_RUNNING);
    for (const int command : {ID_HINT, ID_GIVE_UP}) // only for a running turn
        findChild<QAction*>(QString::number(command))->setEnabled(state == TURN_RUNNING);
}

void CWordGameDlg::BeginTurn()
{
    if (m_engine.m_players.empty()) {
        SetState(TURN_WAITING);
        ShowMessage(MESSAGE_TEXT, true, IDS_ADD_PLAYER);
        return;
    }
    m_engine.NewPuzzle();
    if (m_engine.m_strPuzzle.empty()) {
        SetState(TURN_WAITING);
        ShowMessage(MESSAGE_TEXT, true, IDS_TOO_FEW_WORDS);
        return;
    }
    m_nHintLevel = 0;
    const int time = static_cast<int>(m_engine.m_nTime[m_engine.m_nGameType]);
    m_progressTime->setRange(0, time);
    m_progressTime->setValue(time);
    m_strCountdown = QString::number(time);
    UpdateData(false);
    RefreshPlayers();
    RefreshPuzzle();
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
    else if (m_nHintLevel > 0)
        m_strDisplay += QStringLiteral("\r\n")
            + FormatString(IDS_HINT_LINE, {FromWindows1252(HintPrefix(m_engine, m_nHintLevel))});
    UpdateData(false);
}

void CWordGameDlg::OnHint()
{
    if (m_nState != TURN_RUNNING)
        return;
    // A hint costs what a wrong hangman letter costs; one that would give
    // the whole word away is refused, for free.
    if (m_engine.m_nGameType == GAME_HANGMAN) {
        const char letter = HangmanHintLetter(m_engine);
        if (letter == '\0') {
            AppBeep(BEEP_SIMPLE);
            return;
        }
        m_engine.CheckGuess(std::string(1, letter), static_cast<unsigned>(m_progressTime->value()));
    } else {
        if (HintPrefix(m_engine, m_nHintLevel + 1).empty()) {
            AppBeep(BEEP_SIMPLE);
            return;
        }
        ++m_nHintLevel;
    }
    RefreshPuzzle();
    SubtractTime(static_cast<int>(m_engine.m_nHangmanPenalty));
}

void CWordGameDlg::OnGiveUp()
{
    // As a time-out: no points, the bonus cleared, the answer shown.
    if (m_nState == TURN_RUNNING)
        SubtractTime(m_progressTime->value());
}

void CWordGameDlg::OnChangeGuess()
{
    if (m_nState == TURN_RESULT)
        return;
    if (m_nState == TURN_WAITING) {
        m_strGuess.clear(); // the key only starts the turn
        SetState(TURN_RUNNING);
        BeginTurn();
        return;
    }

    UpdateData(true);
    const QString guess = m_strGuess.trimmed();
    if (guess.isEmpty())
        return;
    const int secondsLeft = m_progressTime->value();
    const unsigned result = m_engine.CheckGuess(ToWindows1252(guess), static_cast<unsigned>(secondsLeft));
    const bool hangman = m_engine.m_nGameType == GAME_HANGMAN;
    if (hangman)
        m_strGuess.clear(); // every typed letter is consumed at once
    RefreshPuzzle();
    if (result == GUESS_WRONG_LETTER && hangman) {
        AppBeep(SOUND_WRONG_LETTER);
        SubtractTime(static_cast<int>(m_engine.m_nHangmanPenalty));
    }
    if (result == GUESS_SOLVED) {
        AppBeep(SOUND_SOLVED);
        // Before the message: merging in another window's results may move the place.
        if (m_engine.m_nHighscoreRank >= 1 && m_engine.m_nHighscoreRank <= HIGHSCORE_PLACES)
            KeepHighscores();
        ShowMessage(MESSAGE_RIGHT, true, 0);
    }
    UpdateData(false);
}

void CWordGameDlg::OnTimer()
{
    if (m_nState != TURN_RESULT) {
        SubtractTime(1);
        return;
    }
    SetState(TURN_WAITING);
    m_strGuess = LoadString(IDS_PRESS_KEY);
    UpdateData(false);
    ShowMessage(MESSAGE_NEXT_PLAYER, false, 0);
    SetTimerPeriod(kTick);
}

void CWordGameDlg::SubtractTime(int seconds)
{
    if (m_nState != TURN_RUNNING)
        return;
    UpdateData(true);
    const int left = m_progressTime->value() - seconds;
    if (left <= 0) {
        AppBeep(SOUND_TIME_OUT);
        if (m_engine.m_nCurPlayer < m_engine.m_players.size())
            m_engine.m_players[m_engine.m_nCurPlayer].m_nBonus = 0;
        ShowMessage(MESSAGE_WRONG, true, 0);
        m_strCountdown = QStringLiteral("0");
    } else {
        if (left <= kLastSeconds)
            AppBeep(SOUND_TICK);
        m_strCountdown = QString::number(left);
    }
    m_progressTime->setValue(std::max(left, 0)); // an empty bar for no time left
    UpdateData(false);
}

void CWordGameDlg::ShowMessage(int kind, bool clear, unsigned stringId)
{
    UpdateData(true);
    if (clear)
        m_strDisplay.clear();
    switch (kind) {
    case MESSAGE_TEXT:
        m_strDisplay += LoadString(stringId);
        break;
    case MESSAGE_NEXT_PLAYER:
        if (m_engine.m_nCurPlayer < m_engine.m_players.size())
            m_strDisplay += FormatString(IDS_NEXT_PLAYER,
                {FromWindows1252(m_engine.m_players[m_engine.m_nCurPlayer].m_strName)});
        break;
    case MESSAGE_RIGHT:
        m_strDisplay = FormatString(IDS_RIGHT, {QString::number(m_engine.m_nLastPoints),
                                                FromWindows1252(m_engine.GetAnswerText())});
        if (m_engine.m_nHighscoreRank == 1)
            m_strDisplay += QStringLiteral("\r\n") + LoadString(IDS_NEW_HIGHSCORE);
        else if (m_engine.m_nHighscoreRank >= 2 && m_engine.m_nHighscoreRank <= 10)
            m_strDisplay += QStringLiteral("\r\n") + LoadString(IDS_TOP_TEN);
        break;
    case MESSAGE_WRONG:
        m_strDisplay = FormatString(IDS_WRONG, {FromWindows1252(m_engine.GetAnswerText())});
        break;
    default:
        break;
    }
    UpdateData(false);

    if (kind == MESSAGE_RIGHT || kind == MESSAGE_WRONG) {
        RefreshPlayers();
        SetState(TURN_RESULT);
        SetTimerPeriod(kResultPause);
        m_engine.NextPlayer();
    }
}
