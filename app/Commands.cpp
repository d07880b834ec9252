// Menu commands of the game window.

#include "app/WordGameDlg.h"

#include "controls/AboutDlg.h"
#include "controls/MatchResults.h"
#include "controls/ReadMe.h"
#include "controls/TextWindow.h"
#include "editor/HighscoreDlg.h"
#include "editor/WordListDlg.h"
#include "platform/Beep.h"
#include "platform/MessageBox.h"
#include "res/GameTemplate.h"
#include "res/Strings.h"

#include <QAction>

void CWordGameDlg::OnEditWordList()
{
    EnsureWordListLoaded();
    CWordListDlg editor;
    editor.m_pGameEngine = &OwnList(); // the player's list of the language in play, whichever list is in play
    editor.m_strLockFile = m_settingsFile.Path();
    editor.DoModal();
    UpdateAvailableWords();
    UpdateBoardLetters();
}

void CWordGameDlg::OnHighscore()
{
    CHighscoreDlg highscores;
    highscores.m_pEngine = &m_engine;
    highscores.DoModal();
}

void CWordGameDlg::OnExit()
{
    if (!m_engine.m_players.empty()
        && AppMessageBox(this, LoadString(IDS_EXIT), MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    OnOK();
}

void CWordGameDlg::OnQuickHelp()
{
    // A window rather than a message box: it scrolls when the screen is small.
    ShowTextWindow(this, LoadString(IDS_QUICK_HELP_TITLE), LoadString(IDS_QUICK_HELP), TextLines::Wrapped);
}

void CWordGameDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CWordGameDlg::OnReadme()
{
    // Shown inside the game when the desktop cannot open it.
    if (!OpenReadMe(ReadMeFileName()) && !ShowReadMeInside(this, ReadMeFileName()))
        AppMessageBox(this, LoadString(IDS_README_FAILED), MB_OK | MB_ICONEXCLAMATION);
}

void CWordGameDlg::OnSound()
{
    const bool on = findChild<QAction*>(QString::number(ID_SOUND))->isChecked();
    SetSoundOn(on);
    m_settingsFile.SetSoundOn(on);
}

void CWordGameDlg::OnResetScores()
{
    if (m_engine.m_players.empty())
        return;
    if (AppMessageBox(this, LoadString(IDS_RESET_SCORES), MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
        return;
    m_engine.ResetScores();
    // Scores from nothing are a new match, of the length chosen last.
    m_engine.m_match.m_nRounds = m_matchRounds;
    if (m_results)
        m_results->hide();
    RefreshPlayers();
}
