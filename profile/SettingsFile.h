#pragma once

#include "WordEngine.h"

#include <string>

// The game's settings file ("ordkamp.ini" in the program folder): rules and
// game type in section "Settings", the three highscore tables in "HangMan",
// "Scrabble" (anagram) and "Mixword". `file` is a name inside the program
// folder. Each save rewrites the whole file once, atomically, keeping every
// line it does not own.

// Absent keys give the defaults; values go through the engine's clamps.
// False when the file exists but cannot be read (the engine keeps its
// defaults then).
bool LoadSettings(CWordEngine& engine, const std::string& file);
bool LoadHighscores(CWordEngine& engine, const std::string& file);

// False when the file could not be written; the old file then stays.
bool SaveSettings(const CWordEngine& engine, const std::string& file);
bool SaveHighscores(const CWordEngine& engine, const std::string& file);
