#include "res/EditorTemplates.h"

#include <QCoreApplication>

const DialogTemplate& WordListDialogTemplate()
{
    using K = ControlKind;
    static const DialogTemplate dialog = {
        257,
        167,
        {
            {1038, K::Label, QT_TRANSLATE_NOOP("Dialogs", "&Nya ord:"), 141, 7, 28, 8},
            {IDC_NEW_WORDS, K::MultiLineEdit, "", 141, 17, 109, 76},
            {IDC_ADD_SORT, K::Button, QT_TRANSLATE_NOOP("Dialogs", "&Lägg till/sortera"), 141, 96, 109, 14},
            {1033, K::Label, QT_TRANSLATE_NOOP("Dialogs", "&Sortera i: "), 141, 116, 31, 8},
            {IDC_SORT, K::DropDownList, "", 176, 114, 74, 41},
            {IDC_CANCEL_BUTTON, K::Button, QT_TRANSLATE_NOOP("Dialogs", "Avbryt"), 141, 131, 53, 14},
            {IDOK_BUTTON, K::DefaultButton, "OK", 199, 131, 51, 14},
            {1037, K::Label, QT_TRANSLATE_NOOP("Dialogs", "&Ordlista:"), 7, 7, 26, 8},
            {IDC_WORDS, K::WordList, "", 7, 17, 127, 94},
            {IDC_DELETE_WORDS, K::Button, QT_TRANSLATE_NOOP("Dialogs", "&Radera "), 7, 114, 54, 14},
            {IDC_WORD_COUNT, K::Label, QT_TRANSLATE_NOOP("Dialogs", "&Antal ord:"), 65, 117, 67, 8},
            {IDC_OPEN_LIST, K::Button, QT_TRANSLATE_NOOP("Dialogs", "&Öppna ordlista"), 7, 131, 54, 14},
            {IDC_SAVE_LIST, K::Button, QT_TRANSLATE_NOOP("Dialogs", "S&para ordlista"), 65, 131, 53, 14},
            {IDC_IMPORT, K::Button, QT_TRANSLATE_NOOP("Dialogs", "&Importera..."), 7, 148, 111, 14},
        }};
    return dialog;
}

const DialogTemplate& HighscoreDialogTemplate()
{
    using K = ControlKind;
    static const DialogTemplate dialog = {
        271,
        130,
        {
            {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("Dialogs", "&Visa för speltyp:"), 204, 74, 62, 8},
            {IDC_HIGHSCORE_GAME, K::DropDownList, "", 204, 84, 62, 54},
            {IDC_STATIC, K::WrappedLabel,
             QT_TRANSLATE_NOOP(
                 "Dialogs",
                 "Poängen beräknas på din tid och hur långt ordet var som du löste. För tiden får du 120 "
                 "poäng minus den tid som det tog att lösa ordet. Detta multipliceras med ordets längd och "
                 "därifrån får man fram slutsumman."),
             5, 100, 261, 25},
            {IDC_HIGHSCORE_LIST, K::ReportList, "", 5, 7, 194, 90},
            {IDOK_BUTTON, K::DefaultButton, "OK", 204, 7, 62, 14},
            {IDC_RESET_HIGHSCORE, K::Button, QT_TRANSLATE_NOOP("Dialogs", "&Nollställ..."), 204, 23, 62, 14},
        }};
    return dialog;
}
