#pragma once

#include <QDialog>

class CWordEngine;
class QComboBox;
class QTreeWidget;

// The highscore window: the 100 places of one game's table, a choice of
// game, and a reset of the shown table.
class CHighscoreDlg : public QDialog {
public:
    explicit CHighscoreDlg(QWidget* parent = nullptr);

    int DoModal();
    bool OnInitDialog();
    void FillHighscoreList();
    void OnSelchangeGameType();
    void OnResetHighscore();
    void OnHelpInfo();

    CWordEngine* m_pEngine = nullptr;
    QComboBox* m_comboGameType = nullptr;
    QTreeWidget* m_listHighscore = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
