#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

std::function<int(const QString&, unsigned)>& Hook()
{
    static std::function<int(const QString&, unsigned)> hook;
    return hook;
}

QMessageBox::Icon IconOf(unsigned type)
{
    switch (type & 0xF0) {
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct Button {
    QMessageBox::StandardButton button;
    int result;
};

std::vector<Button> ButtonsOf(unsigned type)
{
    switch (type & 0xF) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

} // namespace

QString ButtonText(QMessageBox::StandardButton button)
{
    // As Windows words them in Swedish (Qt 6 as Debian ships it has no
    // Swedish of its own for these), or in English.
    switch (button) {
    case QMessageBox::Ok:
        return QCoreApplication::translate("Buttons", "OK");
    case QMessageBox::Cancel:
        return QCoreApplication::translate("Buttons", "Avbryt");
    case QMessageBox::Yes:
        return QCoreApplication::translate("Buttons", "&Ja");
    case QMessageBox::No:
        return QCoreApplication::translate("Buttons", "&Nej");
    case QMessageBox::Retry:
        return QCoreApplication::translate("Buttons", "&Försök igen");
    case QMessageBox::Close:
        return QCoreApplication::translate("Buttons", "Stäng");
    default:
        return {};
    }
}

int AppMessageBox(QWidget* parent, const QString& text, unsigned type)
{
    if (Hook())
        return Hook()(text, type);

    // The program sets its title as the application name.
    QMessageBox box(IconOf(type), QCoreApplication::applicationName(), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    const std::vector<Button> buttons = ButtonsOf(type);
    for (const Button& b : buttons)
        box.addButton(b.button)->setText(ButtonText(b.button));
    const std::size_t defaultIndex = std::min<std::size_t>((type >> 8) & 0xF, buttons.size() - 1);
    box.setDefaultButton(buttons[defaultIndex].button);
    const bool cancellable = buttons.back().result == IDCANCEL || buttons.size() == 1;
    box.setEscapeButton(cancellable ? box.button(buttons.back().button) : nullptr);

    // Answered with the ordinary pointer, also when work under a wait cursor asks.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    for (const Button& b : buttons)
        if (box.clickedButton() == box.button(b.button))
            return b.result;
    return IDCANCEL;
}

void SetMessageBoxHook(std::function<int(const QString& text, unsigned type)> hook)
{
    Hook() = std::move(hook);
}
