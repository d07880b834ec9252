#pragma once

#include <QDialog>

// A dialog whose F1 opens the readme, silently whatever the outcome: the
// word-list editor, the highscore window and the About window.
class CHelpDialog : public QDialog {
public:
    using QDialog::QDialog;

    void OnHelpInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
