#include "controls/HelpDialog.h"

#include "controls/ReadMe.h"

#include <QKeyEvent>

CHelpDialog::CHelpDialog(const DialogTemplate& dialog, const QString& title, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setFont(DialogFont());
    setFixedSize(BuildDialog(this, dialog));
}

void CHelpDialog::FitToText()
{
    setFixedSize(FitControlsToText(this, size()));
}

void CHelpDialog::OnHelpInfo()
{
    // The game's own window when the desktop cannot; a failure of both shows nothing here.
    if (!OpenReadMe(ReadMeFileName()))
        ShowReadMeInside(this, ReadMeFileName());
}

void CHelpDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OnHelpInfo();
        return;
    }
    QDialog::keyPressEvent(event);
}
