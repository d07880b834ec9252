#include "HelpDialog.h"

#include "ReadMe.h"

#include <QKeyEvent>

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
