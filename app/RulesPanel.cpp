// The rules panel: turn times, hangman penalty, word lengths and game type.
// A rule is committed when its edit loses the focus, through the engine's
// clamps, and the edit shows the clamped value at once.

#include "app/WordGameDlg.h"

#include "res/Strings.h"

#include <QComboBox>

void CWordGameDlg::CommitRule(unsigned index, int& member)
{
    UpdateData(true);
    // A negative number counts as a very large one, as the engine's rules say.
    m_engine.SetRule(index, static_cast<unsigned>(member));
    CopyRulesToMembers();
    UpdateData(false);
}

void CWordGameDlg::OnKillfocusMinLetters()
{
    CommitRule(0, m_nMinLength);
    UpdateAvailableWords();
}

void CWordGameDlg::OnKillfocusMaxLetters()
{
    CommitRule(1, m_nMaxLength);
    UpdateAvailableWords();
}

void CWordGameDlg::OnKillfocusPenalty()
{
    CommitRule(2, m_nPenalty);
}

void CWordGameDlg::OnKillfocusTimeHangman()
{
    CommitRule(3, m_nTimeHangman);
}

void CWordGameDlg::OnKillfocusTimeAnagram()
{
    CommitRule(4, m_nTimeAnagram);
}

void CWordGameDlg::OnKillfocusTimeMixword()
{
    CommitRule(5, m_nTimeMixword);
}

void CWordGameDlg::OnSelchangeGameType()
{
    UpdateData(true);
    const int selection = m_comboGameType->currentIndex();
    if (selection >= 0)
        m_engine.m_nGameTypeSetting = static_cast<uint32_t>(selection);
}

void CWordGameDlg::UpdateAvailableWords()
{
    UpdateData(true);
    m_strAvailable = FormatString(IDS_AVAILABLE, {QString::number(m_engine.CountAvailableWords())});
    UpdateData(false);
}
