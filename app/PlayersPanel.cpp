// The players panel: the list with faces, bonus and points, adding,
// deleting and choosing who plays next; and the window title.

#include "app/WordGameDlg.h"

#include "platform/Windows1252.h"
#include "res/GameTemplate.h"
#include "res/Images.h"
#include "res/Strings.h"

#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>

namespace {

int SelectionMark(const QTreeWidget* list)
{
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

} // namespace

void CWordGameDlg::RefreshPlayers()
{
    {
        const QSignalBlocker blocker(m_listPlayers); // a rebuild is not the player's selection
        m_listPlayers->clear();
        const std::vector<Player>& players = m_engine.m_players;
        const auto [lowest, highest] = std::minmax_element(
            players.begin(), players.end(), [](const Player& a, const Player& b) { return a.m_nPoints < b.m_nPoints; });
        for (std::size_t i = 0; i < players.size(); ++i) {
            int face = FACE_MIDDLE;
            if (players[i].m_nPoints == highest->m_nPoints)
                face = FACE_LEADER;
            else if (players[i].m_nPoints == lowest->m_nPoints)
                face = FACE_LAST;
            auto* item = new QTreeWidgetItem(m_listPlayers);
            item->setText(0, FromWindows1252(players[i].m_strName));
            item->setIcon(0, PlayerFace(face));
            item->setData(0, Qt::UserRole, face);
            item->setText(1, QString::number(players[i].m_nBonus));
            item->setText(2, QString::number(players[i].m_nPoints));
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
        // Whose turn it is: the current player's row in bold, scrolled into view.
        if (QTreeWidgetItem* current = m_listPlayers->topLevelItem(static_cast<int>(m_engine.m_nCurPlayer))) {
            QFont font = m_listPlayers->font();
            font.setBold(true);
            for (int column = 0; column < 3; ++column)
                current->setFont(column, font);
            m_listPlayers->scrollToItem(current);
        }
    }
    EnableControl(IDC_SET_AS_NEXT, false);
    EnableControl(IDC_DELETE_PLAYER, false);

    QString title = LoadString(IDS_APP_TITLE);
    const unsigned rounds = m_engine.m_match.m_nRounds;
    if (!m_engine.m_players.empty() && rounds > 0) // a match: "Omgång 2 av 5"
        title += FormatString(IDS_ROUND_OF_MATCH,
                              {QString::number(std::min(m_engine.m_nRound + 1, rounds)), QString::number(rounds)});
    else if (!m_engine.m_players.empty())
        title += FormatString(IDS_ROUND, {QString::number(m_engine.m_nRound + 1)});
    setWindowTitle(title);
}

void CWordGameDlg::OnChangeNewPlayer()
{
    UpdateData(true);
    EnableControl(IDC_ADD_PLAYER, !m_strNewPlayer.trimmed().isEmpty());
}

void CWordGameDlg::OnAddPlayer()
{
    UpdateData(true);
    const QString name = m_strNewPlayer.trimmed();
    if (name.isEmpty())
        return;
    m_engine.AddPlayer(ToWindows1252(name));
    RefreshPlayers();
    m_strNewPlayer.clear();
    UpdateData(false);
    EnableControl(IDC_ADD_PLAYER, false);
    if (m_engine.m_players.size() == 1) {
        ShowMessage(MESSAGE_NEXT_PLAYER, true, 0);
        m_strGuess = LoadString(IDS_PRESS_KEY);
        UpdateData(false);
    }
}

void CWordGameDlg::OnDeletePlayer()
{
    UpdateData(true);
    const int index = SelectionMark(m_listPlayers);
    if (index < 0)
        return;
    const bool current = static_cast<unsigned>(index) == m_engine.m_nCurPlayer;
    m_engine.DeletePlayer(static_cast<unsigned>(index));
    if (current) {
        ShowTurn(m_turn.Abandon());
        if (m_engine.m_players.empty())
            ShowMessage(MESSAGE_TEXT, true, IDS_ADD_PLAYER);
        else
            ShowMessage(MESSAGE_NEXT_PLAYER, true, 0);
    }
    RefreshPlayers();
    UpdateData(false);
}

void CWordGameDlg::OnSetAsNext()
{
    UpdateData(true);
    const int index = SelectionMark(m_listPlayers);
    if (index < 0)
        return;
    m_engine.m_nCurPlayer = static_cast<uint32_t>(index);
    ShowTurn(m_turn.Abandon());
    ShowMessage(MESSAGE_NEXT_PLAYER, true, 0);
    RefreshPlayers();
    UpdateData(false);
}

void CWordGameDlg::OnItemchangedPlayers()
{
    const bool selected = SelectionMark(m_listPlayers) >= 0;
    EnableControl(IDC_SET_AS_NEXT, selected);
    EnableControl(IDC_DELETE_PLAYER, selected);
}
