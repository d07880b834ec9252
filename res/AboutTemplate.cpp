#include "res/AboutTemplate.h"

#include <QCoreApplication>

#include "Version.h"
#include "res/EditorTemplates.h"

const DialogTemplate& AboutDialogTemplate()
{
    using K = ControlKind;
    static const DialogTemplate dialog = {
        206,
        78,
        {
            {IDC_ABOUT_ICON, K::Icon, "", 7, 7, 20, 20},
            {IDC_STATIC, K::Label, "Ordkamp " ORDKAMP_VERSION, 38, 12, 97, 8},
            {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("Dialogs", "Freeware från Ordkamp-projektet"), 38, 27, 119, 8},
            {IDC_WEB_LINK, K::Label, "ordkamp.example.org", 38, 38, 80, 8},
            {IDC_MAIL_LINK, K::Label, "ordkamp@example.org", 38, 49, 108, 8},
            {IDOK_BUTTON, K::DefaultButton, "OK", 149, 7, 50, 14},
            {IDC_README_LINK, K::Label, QT_TRANSLATE_NOOP("Dialogs", "ReadMe-filen."), 149, 63, 50, 8},
            {IDC_STATIC, K::RightLabel, QT_TRANSLATE_NOOP("Dialogs", "För mer information (hjälp och liknande) läs i "),
             7, 63, 142, 8},
        }};
    return dialog;
}
