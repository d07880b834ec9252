#pragma once

#include "platform/DialogTemplate.h"

#include <QDialog>

// A dialog of the program built from its template, whose F1 opens the
// readme, silently whatever the outcome: the word-list editor, the
// highscore window and the About window.
class CTemplateDialog : public QDialog {
public:
    CTemplateDialog(const DialogTemplate& dialog, const QString& title, QWidget* parent = nullptr);

    void OnHelpInfo();
    // Widens what does not fit its text (once texts and items are in).
    void FitToText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
