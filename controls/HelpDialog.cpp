#include "HelpDialog.h"

#include "ReadMe.h"

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
    OpenReadMe(QStringLiteral("ReadMe.txt")); // a failure shows nothing here
}

void CHelpDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OnHelpInfo();
        return;
    }
    QDialog::keyPressEvent(event);
}
