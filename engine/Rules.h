#pragma once

#include "engine/Letters.h"

// The game's six rules, by the index SetRule and the settings file know them by.
enum : unsigned {
    RULE_MIN_LETTERS,
    RULE_MAX_LETTERS,
    RULE_PENALTY,
    RULE_TIME_HANGMAN,
    RULE_TIME_ANAGRAM,
    RULE_TIME_MIXWORD,
    RULE_COUNT
};

struct RuleInfo {
    const char* key; // in [Settings] of ordkamp.ini
    unsigned defaultValue; // of a new game and of a file without the key
    unsigned lowest, highest; // SetRule clamps to these
    unsigned arrowLowest; // the rules panel's arrows stop here
};

// The one description of the rules; SetRule adds how they limit each other.
// The penalty's arrows go down to 0, which is set as 1, as in the Windows program.
inline constexpr RuleInfo kRules[RULE_COUNT] = {
    {"Mini", 5, MIN_WORD_LENGTH, MAX_WORD_LENGTH, MIN_WORD_LENGTH},
    {"Max", 8, MIN_WORD_LENGTH, MAX_WORD_LENGTH, MIN_WORD_LENGTH},
    {"HangManTimeOff", 4, 1, 999, 0},
    {"TimeHangMan", 60, 1, 999, 1},
    {"TimeScrabble", 60, 1, 999, 1},
    {"TimeMixWord", 60, 1, 999, 1},
};
