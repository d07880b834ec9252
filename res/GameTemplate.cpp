#include "res/GameTemplate.h"

#include <QCoreApplication>

const DialogTemplate& GameDialogTemplate()
{
    using K = ControlKind;
    static const DialogTemplate dialog = {
        360,
        138,
        {
            {1021, K::Label, QT_TRANSLATE_NOOP("Dialogs", "&Ny:"), 7, 102, 12, 8},
            {IDC_NEW_PLAYER, K::Edit, "", 20, 100, 59, 14},
            {IDC_ADD_PLAYER, K::DefaultButton, QT_TRANSLATE_NOOP("Dialogs", "&Lägg till"), 83, 100, 35, 14, true},
            {IDC_SET_AS_NEXT, K::Button, QT_TRANSLATE_NOOP("Dialogs", "Sätt som nästa"), 7, 117, 52, 14, true},
            {IDC_DELETE_PLAYER, K::Button, QT_TRANSLATE_NOOP("Dialogs", "&Radera spelare"), 63, 117, 55, 14, true},
            {1002, K::Label, QT_TRANSLATE_NOOP("Dialogs", "&Gissa:"), 126, 44, 22, 8},
            {IDC_GUESS, K::Edit, "", 148, 42, 192, 14},
            {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("Dialogs", "Regler"), 126, 57, 211, 75},
            {1016, K::Label, QT_TRANSLATE_NOOP("Dialogs", "Tid hängag&ubbe:"), 130, 70, 56, 8},
            {IDC_TIME_HANGMAN, K::NumberEdit, "", 188, 68, 26, 12},
            {IDC_SPIN_TIME_HANGMAN, K::UpDown, "", 207, 63, 10, 14},
            {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("Dialogs", "Tid anagra&m:"), 130, 85, 42, 8},
            {IDC_TIME_ANAGRAM, K::NumberEdit, "", 188, 83, 26, 12},
            {IDC_SPIN_TIME_ANAGRAM, K::UpDown, "", 209, 81, 10, 14},
            {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("Dialogs", "Tid mi&xord:"), 130, 100, 35, 9},
            {IDC_TIME_MIXWORD, K::NumberEdit, "", 188, 98, 26, 12},
            {IDC_SPIN_TIME_MIXWORD, K::UpDown, "", 211, 97, 10, 14},
            {1006, K::Label, QT_TRANSLATE_NOOP("Dialogs", "Spel&typ:"), 131, 116, 26, 8},
            {IDC_GAME_TYPE, K::DropDownList, "", 162, 114, 61, 68},
            {1014, K::Label, QT_TRANSLATE_NOOP("Dialogs", "Hänga gubbe, tidsa&vdrag:"), 221, 70, 83, 8},
            {IDC_PENALTY, K::NumberEdit, "", 306, 68, 26, 12},
            {IDC_SPIN_PENALTY, K::UpDown, "", 327, 64, 10, 14},
            {1010, K::Label, QT_TRANSLATE_NOOP("Dialogs", "M&insta antal bokstäver:"), 221, 85, 74, 8},
            {IDC_MIN_LETTERS, K::NumberEdit, "", 306, 83, 26, 12},
            {IDC_SPIN_MIN_LETTERS, K::UpDown, "", 327, 83, 10, 14},
            {1012, K::Label, QT_TRANSLATE_NOOP("Dialogs", "H&ögsta antal bokstäver:"), 222, 100, 76, 10},
            {IDC_MAX_LETTERS, K::NumberEdit, "", 306, 98, 26, 12},
            {IDC_SPIN_MAX_LETTERS, K::UpDown, "", 320, 99, 10, 14},
            {IDC_AVAILABLE, K::Label, QT_TRANSLATE_NOOP("Dialogs", "Tillgängliga ord:"), 226, 116, 80, 8},
            {IDC_PROGRESS, K::VerticalProgress, "", 343, 7, 9, 117},
            {IDC_COUNTDOWN, K::CentredLabel, "012", 341, 125, 12, 8},
            {IDC_DISPLAY, K::Display, "", 126, 7, 214, 32},
            {IDC_PLAYERS, K::ReportList, "", 7, 7, 111, 90},
        }};
    return dialog;
}

const std::vector<Menu>& GameMenu()
{
    static const std::vector<Menu> menu = {
        {QT_TRANSLATE_NOOP("Menu", "&Arkiv"),
         {{QT_TRANSLATE_NOOP("Menu", "&Redigera ordlista...\tCtrl+E"), ID_EDIT_WORD_LIST},
          {nullptr, 0},
          {QT_TRANSLATE_NOOP("Menu", "&Avsluta"), ID_EXIT}}},
        {QT_TRANSLATE_NOOP("Menu", "&Spel"),
         {{QT_TRANSLATE_NOOP("Menu", "&Ledtråd\tF3"), ID_HINT},
          {QT_TRANSLATE_NOOP("Menu", "&Ge upp\tF6"), ID_GIVE_UP},
          {QT_TRANSLATE_NOOP("Menu", "&Paus\tCtrl+P"), ID_PAUSE},
          {nullptr, 0},
          {QT_TRANSLATE_NOOP("Menu", "&Nollställ poänglistan...\tF2"), ID_RESET_SCORES},
          {nullptr, 0},
          {QT_TRANSLATE_NOOP("Menu", "&Highscore...\tF4"), ID_HIGHSCORE},
          {nullptr, 0},
          {QT_TRANSLATE_NOOP("Menu", "Lj&ud\tCtrl+M"), ID_SOUND}}},
        {QT_TRANSLATE_NOOP("Menu", "&Hjälp"),
         {{QT_TRANSLATE_NOOP("Menu", "&Snabbstart...\tShift+F1"), ID_QUICK_HELP},
          {QT_TRANSLATE_NOOP("Menu", "Öppna &ReadMe-filen...\tF1"), ID_README},
          {nullptr, 0},
          {QT_TRANSLATE_NOOP("Menu", "&Om..."), ID_ABOUT}}},
    };
    return menu;
}

const std::vector<Accelerator>& GameAccelerators()
{
    static const std::vector<Accelerator> accelerators = {
        {Qt::CTRL | Qt::Key_E, ID_EDIT_WORD_LIST},
        {Qt::Key_F1, ID_README},
        {Qt::SHIFT | Qt::Key_F1, ID_QUICK_HELP},
        {Qt::Key_F2, ID_RESET_SCORES},
        {Qt::Key_F4, ID_HIGHSCORE},
        {Qt::Key_F3, ID_HINT},
        {Qt::Key_F6, ID_GIVE_UP},
        {Qt::CTRL | Qt::Key_M, ID_SOUND},
        {Qt::CTRL | Qt::Key_P, ID_PAUSE},
        {Qt::Key_Pause, ID_PAUSE},
    };
    return accelerators;
}
