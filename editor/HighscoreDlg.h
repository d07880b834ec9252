#pragma once

#include "controls/TemplateDialog.h"

class CWordEngine;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

// The highscore window: the 100 places of one game's table, a choice of
// game, and a reset of the shown table.
class CHighscoreDlg : public CTemplateDialog {
public:
    explicit CHighscoreDlg(QWidget* parent = nullptr);

    int DoModal();
    bool OnInitDialog();
    void FillHighscoreList();
    void OnSelchangeGameType();
    void OnResetHighscore();

    CWordEngine* m_pEngine = nullptr;
    QComboBox* m_comboGameType = nullptr;
    QTreeWidget* m_listHighscore = nullptr;
    // The row of the latest solve's place, marked bold; none when the list
    // shows another game.
    QTreeWidgetItem* m_rowLatestPlace = nullptr;
};
