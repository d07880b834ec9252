#pragma once

#include "platform/DialogTemplate.h"

#include <QKeySequence>

#include <vector>

// Template 102, the game window, with the ids its code uses.
enum : int {
    IDC_NEW_PLAYER = 1022,
    IDC_ADD_PLAYER = 1023,
    IDC_SET_AS_NEXT = 1005,
    IDC_DELETE_PLAYER = 1024,
    IDC_GUESS = 1003,
    IDC_TIME_HANGMAN = 1017,
    IDC_TIME_ANAGRAM = 1018,
    IDC_TIME_MIXWORD = 1019,
    IDC_GAME_TYPE = 1007,
    IDC_PENALTY = 1015,
    IDC_MIN_LETTERS = 1011,
    IDC_MAX_LETTERS = 1013,
    IDC_AVAILABLE = 1025,
    IDC_PROGRESS = 1009,
    IDC_COUNTDOWN = 1020,
    IDC_DISPLAY = 1008,
    IDC_PLAYERS = 1039,
    IDC_SPIN_TIME_HANGMAN = 1048,
    IDC_SPIN_TIME_ANAGRAM = 1049,
    IDC_SPIN_TIME_MIXWORD = 1050,
    IDC_SPIN_PENALTY = 1051,
    IDC_SPIN_MIN_LETTERS = 1052,
    IDC_SPIN_MAX_LETTERS = 1053,
};

const DialogTemplate& GameDialogTemplate();

// Menu 129 and accelerator table 135.
enum : int {
    ID_EDIT_WORD_LIST = 32771,
    ID_EXIT = 32773,
    ID_ABOUT = 32774,
    ID_QUICK_HELP = 32775,
    ID_README = 32777,
    ID_RESET_SCORES = 32779,
    ID_HIGHSCORE = 32780,
    ID_HINT = 32781,
    ID_GIVE_UP = 32782,
    ID_SOUND = 32783,
    ID_PAUSE = 32784,
};

struct MenuItem {
    const char* text; // nullptr for a separator
    int command;
};
struct Menu {
    const char* title;
    std::vector<MenuItem> items;
};
struct Accelerator {
    QKeyCombination keys;
    int command;
};

const std::vector<Menu>& GameMenu();
const std::vector<Accelerator>& GameAccelerators();
