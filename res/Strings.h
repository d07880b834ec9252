#pragma once

#include <QString>
#include <QStringList>

// The program's texts, by the numbers of its string table.
enum : unsigned {
    IDS_ABOUTBOX = 101,
    IDS_WEB_LINK = 300,
    IDS_MAIL_LINK = 301,
    IDS_README_LINK = 302,
    IDS_LOAD_FAILED = 60000,
    IDS_TIMER_FAILED = 60001,
    IDS_LOADING = 60002,
    IDS_INI_FILE = 60003,
    IDS_WORD_FILE = 60004,
    IDS_LIST_TOO_LARGE = 60005,
    IDS_QUICK_HELP = 61000,
    IDS_QUICK_HELP_TITLE = 61004,
    IDS_RESET_SCORES = 61001,
    IDS_README_FAILED = 61002,
    IDS_EXIT = 61003,
    IDS_AVAILABLE = 61100,
    IDS_COLUMN_NAME = 61101,
    IDS_COLUMN_BONUS = 61102,
    IDS_COLUMN_POINTS = 61103,
    IDS_GAME_HANGMAN = 61104, // ... 61108, in game-type order
    IDS_ROUND = 61109,
    IDS_WELCOME = 61200,
    IDS_NEXT_PLAYER = 61201,
    IDS_RIGHT = 61202,
    IDS_WRONG = 61203,
    IDS_ADD_PLAYER = 61204,
    IDS_TOO_FEW_WORDS = 61205,
    IDS_NEW_HIGHSCORE = 61206,
    IDS_TOP_TEN = 61207,
    IDS_PRESS_KEY = 61210,
    IDS_HOW_TO_START = 61211,
    IDS_HINT_LINE = 61212,
    IDS_WORD_LIST_MENU = 61400,
    IDS_STANDARD_LIST = 61401,
    IDS_ALL_WORDS = 61402,
    IDS_LIST_ITEM = 61403,
    IDS_LIST_ITEM_SKIPPED = 61404,
    IDS_LIST_UNAVAILABLE = 61405,
    IDS_AVAILABLE_IN_LIST = 61406,
    IDS_PAUSED = 61407,
    // What a screen reader says of controls without a label of their own.
    IDS_A11Y_DISPLAY = 61500,
    IDS_A11Y_TIME_LEFT = 61501,
    IDS_A11Y_PLAYERS = 61502,
    IDS_A11Y_WORDS = 61503,
    IDS_A11Y_HIGHSCORES = 61504,
    IDS_A11Y_DASH = 61505,      // a hangman letter not yet found, read aloud
    IDS_A11Y_SECONDS_LEFT = 61506,
    IDS_SAVE_FAILED = 61300,
    IDS_FOLDER_FAILED = 61301,
    IDS_SETTINGS_UNREADABLE = 61302,
    IDS_FILE_NOT_REGULAR = 61310,
    IDS_FILE_TOO_LARGE = 61311,
    IDS_FILE_READ_ONLY = 61312,
    IDS_OVERWRITE_LIST = 62000,
    IDS_LIST_NOT_SAVED = 62001,
    IDS_LIST_NOT_OPENED = 62002,
    IDS_LIST_CHANGED = 62003,
    IDS_SAVED_AS_WINDOWS1252 = 62004,
    IDS_IMPORT_TITLE = 62005,
    IDS_IMPORT_FILTER = 62006,
    IDS_IMPORT_FAILED = 62007,
    IDS_WORD_COUNT = 62100,
    IDS_SORT_ALPHABETICAL = 62101,
    IDS_SORT_BY_LENGTH = 62102,
    IDS_HIGHSCORE_COLUMN = 63000, // ... 63005: #, name, date, time, length, points
    IDS_RESET_HIGHSCORE = 63010,
    IDS_APP_TITLE = 57344,
};

// The text of a string; empty for an unknown number.
QString LoadString(unsigned id);

// The text with each "%d" or "%s" replaced, in order, by the next argument.
QString FormatString(unsigned id, const QStringList& args);
