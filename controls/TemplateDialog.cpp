#include "controls/TemplateDialog.h"

#include "controls/ReadMe.h"

#include <QKeyEvent>

CTemplateDialog::CTemplateDialog(const DialogTemplate& dialog, const QString& title, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setFont(DialogFont());
    setFixedSize(BuildDialog(this, dialog));
}

void CTemplateDialog::FitToText()
{
    setFixedSize(FitControlsToText(this, size()));
}

void CTemplateDialog::OnHelpInfo()
{
    // The game's own window when the desktop cannot; a failure of both shows nothing here.
    if (!OpenReadMe(ReadMeFileName()))
        ShowReadMeInside(this, ReadMeFileName());
}

void CTemplateDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OnHelpInfo();
        return;
    }
    QDialog::keyPressEvent(event);
}
