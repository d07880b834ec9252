#pragma once

#include "engine/Turn.h"

#include <QString>

#include <functional>

// MessageBeep's simple beep, and the game's own sounds.
enum : unsigned {
    BEEP_SIMPLE = 0xFFFFFFFF,
    SOUND_TICK = 0x1000, // each of a turn's last seconds
    SOUND_TIME_OUT, // the time is up
    SOUND_SOLVED, // a word solved
    SOUND_WRONG_LETTER, // a wrong hangman letter
    SOUND_MATCH_OVER, // the match's last round is over: a fanfare for the winner
};

// Plays the sound of a type (the game's own, or the error beep for any
// other type) from the sound folder, unless sound is off. Without an audio
// device or a sound server it plays nothing, at once and without a word.
void AppBeep(unsigned type);

// The sound of a turn's event (a refusal is the simple beep).
unsigned SoundOf(TurnSound sound);

// Sound on or off for the whole program ("Ljud"); on at start.
void SetSoundOn(bool on);
bool SoundOn();

// Where the WAV files are: the build folder's or the installed "sounds".
void SetSoundFolder(const QString& folder);

// Tests count sounds by type; an empty function restores the real sounds.
void SetBeepHook(std::function<void(unsigned type)> hook);
