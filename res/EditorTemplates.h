#pragma once

#include "platform/DialogTemplate.h"

// Template 130, the word-list editor, and 136, the highscore window.
enum : int {
    IDOK_BUTTON = 1,
    IDC_NEW_WORDS = 1027,
    IDC_ADD_SORT = 1028,
    IDC_SORT = 1034,
    IDC_CANCEL_BUTTON = 1005,
    IDC_WORDS = 1041,
    IDC_DELETE_WORDS = 1032,
    IDC_WORD_COUNT = 1035,
    IDC_OPEN_LIST = 1036,
    IDC_SAVE_LIST = 1031,
    IDC_IMPORT = 1042,
    IDC_HIGHSCORE_GAME = 1007,
    IDC_HIGHSCORE_LIST = 1045,
    IDC_RESET_HIGHSCORE = 1005,
};

const DialogTemplate& WordListDialogTemplate();
const DialogTemplate& HighscoreDialogTemplate();
