#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QCoreApplication;
class QWidget;

// Message boxes with the Win32 MB_* type values and ID* results, captioned
// with the application name (the program's title).
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON1 = 0x000,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFBUTTON3 = 0x200,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDRETRY = 4, IDYES = 6, IDNO = 7 };

int AppMessageBox(QWidget* parent, const QString& text, unsigned type);

// Tests answer message boxes without showing them; an empty function
// restores the real boxes.
void SetMessageBoxHook(std::function<int(const QString& text, unsigned type)> hook);

// The standard buttons' texts in the program's language, in one place
// (empty for a button the game does not use).
QString ButtonText(QMessageBox::StandardButton button);
