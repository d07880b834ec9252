// The rules panel: turn times, hangman penalty, word lengths and game type.
// A rule is committed when its edit loses the focus, through the engine's
// clamps, and the edit shows the clamped value at once.

#include "app/WordGameDlg.h"

#include "platform/DialogTemplate.h"
#include "res/GameTemplate.h"
#include "res/Strings.h"

#include <QComboBox>
#include <QLabel>

std::array<CWordGameDlg::RuleControl, RULE_COUNT> CWordGameDlg::RuleControls()
{
    return {{
        {m_spinMinLetters, &m_nMinLength},
        {m_spinMaxLetters, &m_nMaxLength},
        {m_spinPenalty, &m_nPenalty},
        {m_spinTimeHangman, &m_nTimeHangman},
        {m_spinTimeAnagram, &m_nTimeAnagram},
        {m_spinTimeMixword, &m_nTimeMixword},
    }};
}

void CWordGameDlg::CopyRulesToMembers()
{
    for (unsigned rule = 0; rule < RULE_COUNT; ++rule)
        *RuleControls()[rule].member = static_cast<int>(m_engine.GetRule(rule));
}

void CWordGameDlg::CommitRule(unsigned rule)
{
    UpdateData(true);
    // A negative number counts as a very large one, as the engine's rules say.
    m_engine.SetRule(rule, static_cast<unsigned>(*RuleControls()[rule].member));
    CopyRulesToMembers();
    UpdateData(false);
}

void CWordGameDlg::OnKillfocusMinLetters()
{
    CommitRule(RULE_MIN_LETTERS);
    UpdateAvailableWords();
}

void CWordGameDlg::OnKillfocusMaxLetters()
{
    CommitRule(RULE_MAX_LETTERS);
    UpdateAvailableWords();
}

void CWordGameDlg::OnKillfocusPenalty()
{
    CommitRule(RULE_PENALTY);
}

void CWordGameDlg::OnKillfocusTimeHangman()
{
    CommitRule(RULE_TIME_HANGMAN);
}

void CWordGameDlg::OnKillfocusTimeAnagram()
{
    CommitRule(RULE_TIME_ANAGRAM);
}

void CWordGameDlg::OnKillfocusTimeMixword()
{
    CommitRule(RULE_TIME_MIXWORD);
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
    if (m_bListPending)
        return; // counted once the list is read
    UpdateData(true);
    const QString count = QString::number(m_engine.CountAvailableWords());
    m_strAvailable = FormatString(IDS_AVAILABLE, {count});
    auto* label = DialogControl<QLabel>(this, IDC_AVAILABLE);
    if (!m_wordListName.isEmpty()) {
        // The list's name as far as the line holds it; all of it on the tooltip.
        const int room = label->contentsRect().width()
            - label->fontMetrics().horizontalAdvance(FormatString(IDS_AVAILABLE_IN_LIST, {count, QString()}));
        m_strAvailable = FormatString(IDS_AVAILABLE_IN_LIST,
                                      {count, label->fontMetrics().elidedText(m_wordListName, Qt::ElideRight, room)});
    }
    label->setToolTip(m_wordListName);
    UpdateData(false);
}
