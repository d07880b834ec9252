#include "editor/HighscoreDlg.h"

#include "engine/WordEngine.h"
#include "platform/MessageBox.h"
#include "platform/Windows1252.h"
#include "res/EditorTemplates.h"
#include "res/Strings.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

struct Column {
    int width;
    Qt::Alignment alignment;
};
constexpr Column kColumns[] = {
    {24, Qt::AlignRight}, {60, Qt::AlignLeft},  {68, Qt::AlignLeft},
    {30, Qt::AlignRight}, {42, Qt::AlignRight}, {48, Qt::AlignRight},
};

} // namespace

CHighscoreDlg::CHighscoreDlg(QWidget* parent)
    : CTemplateDialog(HighscoreDialogTemplate(), QCoreApplication::translate("Dialogs", "Highscore"), parent)
{
    m_comboGameType = DialogControl<QComboBox>(this, IDC_HIGHSCORE_GAME);
    m_listHighscore = DialogControl<QTreeWidget>(this, IDC_HIGHSCORE_LIST);
    m_listHighscore->setAccessibleName(LoadString(IDS_A11Y_HIGHSCORES));
    connect(m_comboGameType, &QComboBox::activated, this, [this] { OnSelchangeGameType(); });
    connect(DialogControl<QPushButton>(this, IDC_RESET_HIGHSCORE), &QPushButton::clicked, this,
            [this] { OnResetHighscore(); });
    connect(DialogControl<QPushButton>(this, IDOK_BUTTON), &QPushButton::clicked, this, &QDialog::accept);
}

int CHighscoreDlg::DoModal()
{
    if (!OnInitDialog())
        return QDialog::Rejected;
    return exec();
}

bool CHighscoreDlg::OnInitDialog()
{
    if (!m_pEngine)
        return false;
    QStringList titles;
    for (unsigned column = 0; column < std::size(kColumns); ++column)
        titles << LoadString(IDS_HIGHSCORE_COLUMN + column);
    m_listHighscore->setColumnCount(static_cast<int>(titles.size()));
    m_listHighscore->setHeaderLabels(titles);
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        m_listHighscore->setColumnWidth(column, kColumns[column].width);
        m_listHighscore->headerItem()->setTextAlignment(column, kColumns[column].alignment | Qt::AlignVCenter);
    }
    for (unsigned game = GAME_HANGMAN; game <= GAME_MIXWORD; ++game)
        m_comboGameType->addItem(LoadString(IDS_GAME_HANGMAN + game));
    m_comboGameType->setCurrentIndex(static_cast<int>(std::min(m_pEngine->m_nLastGameType, unsigned{GAME_MIXWORD})));
    FillHighscoreList();
    FitToText();
    if (m_rowLatestPlace)
        m_listHighscore->scrollToItem(m_rowLatestPlace, QAbstractItemView::PositionAtCenter);
    return true;
}

void CHighscoreDlg::FillHighscoreList()
{
    const int game = m_comboGameType->currentIndex();
    m_listHighscore->clear();
    m_rowLatestPlace = nullptr;
    if (game < 0 || game >= int{GAME_COUNT})
        return;
    QList<QTreeWidgetItem*> rows;
    for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i) {
        const CHighscoreEntry& entry = m_pEngine->m_highscores[game][i];
        auto* row = new QTreeWidgetItem({QString::number(i + 1), FromWindows1252(entry.m_strName),
                                         FromWindows1252(entry.m_strDate), QString::number(entry.m_nTimeUsed),
                                         QString::number(entry.m_nWordLength), QString::number(entry.Score())});
        for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column)
            row->setTextAlignment(column, kColumns[column].alignment | Qt::AlignVCenter);
        rows << row;
    }
    m_listHighscore->addTopLevelItems(rows);

    // The place of the latest solve stays marked whenever its game is shown.
    const unsigned rank = m_pEngine->m_nHighscoreRank;
    if (static_cast<unsigned>(game) == m_pEngine->m_nLastGameType && rank >= 1 && rank <= HIGHSCORE_PLACES
        && m_pEngine->m_highscores[game][rank - 1].m_nWordLength != 0) {
        m_rowLatestPlace = rows[static_cast<int>(rank) - 1];
        QFont bold = m_listHighscore->font();
        bold.setBold(true);
        for (int column = 0; column < m_listHighscore->columnCount(); ++column)
            m_rowLatestPlace->setFont(column, bold);
    }
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) { // never a cut text
        m_listHighscore->resizeColumnToContents(column);
        if (m_listHighscore->columnWidth(column) < kColumns[column].width)
            m_listHighscore->setColumnWidth(column, kColumns[column].width);
    }
}

void CHighscoreDlg::OnSelchangeGameType()
{
    FillHighscoreList();
}

void CHighscoreDlg::OnResetHighscore()
{
    const int game = m_comboGameType->currentIndex();
    const QString question =
        FormatString(IDS_RESET_HIGHSCORE, {LoadString(IDS_GAME_HANGMAN + static_cast<unsigned>(game))});
    if (AppMessageBox(this, question, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3) != IDYES)
        return;
    m_pEngine->ResetHighscores(static_cast<unsigned>(game));
    FillHighscoreList();
}
