#pragma once

#include "engine/Highscores.h"
#include "engine/SafeFile.h"
#include "engine/WordEngine.h"

#include <optional>
#include <string>

// The game's settings file ("ordkamp.ini" in the program folder): rules and
// game type in section "Settings", the three highscore tables in "HangMan",
// "Scrabble" (anagram) and "Mixword". `file` is a name inside the program
// folder. Every save rewrites the whole file once (SafeFile.h), keeping
// every line it does not own.

// Absent keys give the defaults; values go through the engine's clamps.
// False when the file exists but cannot be read (the engine keeps its
// defaults then).
bool LoadSettings(CWordEngine& engine, const std::string& file);
bool LoadHighscores(CWordEngine& engine, const std::string& file);

// False when the file could not be written; the old file then stays.
bool SaveSettings(const CWordEngine& engine, const std::string& file);
bool SaveHighscores(const CWordEngine& engine, const std::string& file);

// The settings file as one game session uses it: read once at start, then
// written whole whenever there is something to keep. Other writers (a
// second game window, a file copied in) may change the file meanwhile; a
// save merges their new highscores in rather than overwriting them.
class CSettingsFile {
public:
    // Where the game window stood and how large it was, kept in section
    // "Settings" under keys the Windows program does not know (and ignores).
    struct WindowPlace {
        int left = 0, top = 0, width = 0, height = 0;
        bool known = false;
    };

    // Reads settings and highscores into the engine and remembers the
    // tables as read. Until then every save is refused. A file that exists but cannot be read leaves the
    // engine's defaults, and is never written by this session.
    FileResult Load(CWordEngine& engine, const std::string& file);

    // One rewrite: reads the file as it is now, merges its highscore tables
    // with the engine's (the engine then holds the merged tables, and its
    // latest place follows its entry), sets the settings keys from the
    // engine when `withSettings`, and writes once.
    FileResult Save(CWordEngine& engine, bool withSettings);

    const FileResult& LoadResult() const { return m_loadResult; }
    const std::string& Path() const { return m_path; }
    const WindowPlace& Place() const { return m_place; }
    // Written with the settings from then on.
    void SetPlace(const WindowPlace& place) { m_place = place; }
    // "Ljud": the game's sounds on (the default) or off, under a key of its own.
    bool SoundOn() const { return m_soundOn; }
    void SetSoundOn(bool on) { m_soundOn = on; }
    // The word list in play, under a key of its own: empty for the standard
    // list, else the name the window gave it.
    const std::string& WordList() const { return m_wordList; }
    void SetWordList(const std::string& list) { m_wordList = list; }
    // "Bokstavsbrickor": the letter board shown or hidden, once the player
    // has chosen; nothing before.
    std::optional<bool> LetterTiles() const { return m_letterTiles; }
    void SetLetterTiles(bool shown) { m_letterTiles = shown; }
    // "Match": the rounds of a match (0: endless) once chosen; nothing before.
    std::optional<unsigned> MatchRounds() const { return m_matchRounds; }
    void SetMatchRounds(unsigned rounds) { m_matchRounds = rounds; }
    // "sv" or "en" once chosen in the game; empty follows the desktop.
    const std::string& Language() const { return m_language; }
    void SetLanguage(const std::string& language) { m_language = language; }

private:
    WindowPlace m_place;
    bool m_soundOn = true;
    std::string m_wordList;
    std::string m_language;
    std::optional<bool> m_letterTiles;
    std::optional<unsigned> m_matchRounds;
    std::string m_path;
    FileResult m_loadResult{FileError::Missing};
    HighscoreTable m_base[GAME_COUNT];
};
