#include "profile/SettingsFile.h"

#include "profile/IniFile.h"
#include "profile/Profile.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kGameType = "GameType";

constexpr const char* kHighscoreSections[GAME_COUNT] = {"HangMan", "Scrabble", "Mixword"};
constexpr const char* kPlaceKeys[] = {"WindowLeft", "WindowTop", "WindowWidth", "WindowHeight"};
constexpr const char* kSound = "Sound";
constexpr const char* kWordList = "WordList";
constexpr const char* kLanguage = "Language";
constexpr const char* kLetterTiles = "LetterTiles";
constexpr const char* kMatchRounds = "MatchRounds";
constexpr int kSaveLockWait = 3000; // milliseconds

int ReadInt(const CIniFile& ini, const char* section, const std::string& key, int def)
{
    const std::optional<std::string> value = ini.Get(section, key);
    return value ? ProfileInt(*value, def) : def;
}

std::string ReadString(const CIniFile& ini, const char* section, const std::string& key, const char* def)
{
    const std::optional<std::string> value = ini.Get(section, key);
    return value ? ProfileString(*value) : def;
}

// A stored number as ProfileInt reads it, but saturated instead of wrapped,
// so that no value far out of range passes for another (or for 0).
int64_t ReadWideInt(const CIniFile& ini, const char* section, const std::string& key)
{
    const std::string value = ini.Get(section, key).value_or("");
    std::size_t i = value.starts_with('-') || value.starts_with('+') ? 1 : 0;
    int64_t number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        number = std::min<int64_t>(number * 10 + (value[i] - '0'), INT64_C(1) << 40);
    return value.starts_with('-') ? -number : number;
}

bool FitsInt16(int64_t value)
{
    return value >= INT16_MIN && value <= INT16_MAX;
}

void ReadSettings(const CIniFile& ini, CWordEngine& engine)
{
    // In index order: each value is clamped against those read before it.
    for (unsigned index = 0; index < RULE_COUNT; ++index)
        engine.SetRule(index,
                       static_cast<unsigned>(
                           ReadInt(ini, kSettings, kRules[index].key, static_cast<int>(kRules[index].defaultValue))));
    const int gameType = ReadInt(ini, kSettings, kGameType, GAME_RANDOM);
    engine.m_nGameTypeSetting =
        gameType >= 0 && gameType <= int{GAME_RANDOM} ? static_cast<uint32_t>(gameType) : uint32_t{GAME_RANDOM};
}

void WriteSettings(CIniFile& ini, const CWordEngine& engine)
{
    for (unsigned index = 0; index < RULE_COUNT; ++index)
        ini.Set(kSettings, kRules[index].key, std::to_string(static_cast<int>(engine.GetRule(index))));
    ini.Set(kSettings, kGameType, std::to_string(static_cast<int>(engine.m_nGameTypeSetting)));
}

void ReadTable(const CIniFile& ini, unsigned game, HighscoreTable& table)
{
    const char* section = kHighscoreSections[game];
    std::fill(std::begin(table), std::end(table), CHighscoreEntry{});
    unsigned kept = 0;
    for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i) {
        const std::string n = std::to_string(i);
        // Only a stored 0 ends the table. An entry whose numbers do not fit
        // its 16-bit fields is damaged and skipped; those after it move up.
        const int64_t wordLength = ReadWideInt(ini, section, "wordlength" + n);
        if (wordLength == 0)
            break;
        const int64_t timeUsed = ReadWideInt(ini, section, "timeused" + n);
        if (!FitsInt16(wordLength) || !FitsInt16(timeUsed))
            continue;
        table[kept++] = {ReadString(ini, section, "name" + n, "-"), ReadString(ini, section, "date" + n, "-"),
                         static_cast<int16_t>(wordLength), static_cast<int16_t>(timeUsed)};
    }
}

void WriteTable(CIniFile& ini, unsigned game, const HighscoreTable& table)
{
    const char* section = kHighscoreSections[game];
    for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i) {
        const CHighscoreEntry& entry = table[i];
        const std::string n = std::to_string(i);
        ini.Set(section, "name" + n, entry.m_strName);
        ini.Set(section, "date" + n, entry.m_strDate);
        ini.Set(section, "wordlength" + n, std::to_string(entry.m_nWordLength));
        ini.Set(section, "timeused" + n, std::to_string(entry.m_nTimeUsed));
        if (entry.m_nWordLength == 0)
            break; // the end mark; higher keys of a longer old list stay unread
    }
}

void PutTable(CWordEngine& engine, unsigned game, const HighscoreTable& table)
{
    for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i) {
        const CHighscoreEntry& entry = table[i];
        engine.AddHighscore(game, i, entry.m_strName, entry.m_strDate, entry.m_nWordLength, entry.m_nTimeUsed);
    }
}

template <typename Change>
bool Rewrite(const std::string& file, Change change)
{
    const std::string path = ProfilePath(file.c_str(), true);
    CIniFile ini;
    if (!ini.Load(path))
        return false; // never replace a file we could not read
    change(ini);
    return bool(ini.Save(path));
}

} // namespace

bool LoadSettings(CWordEngine& engine, const std::string& file)
{
    CIniFile ini;
    const FileResult read = ini.Load(ProfilePath(file.c_str(), true));
    ReadSettings(ini, engine);
    return bool(read);
}

bool LoadHighscores(CWordEngine& engine, const std::string& file)
{
    CIniFile ini;
    const FileResult read = ini.Load(ProfilePath(file.c_str(), true));
    for (unsigned game = 0; game < GAME_COUNT; ++game) {
        HighscoreTable table;
        ReadTable(ini, game, table);
        for (unsigned i = 0; i < HIGHSCORE_PLACES && table[i].m_nWordLength != 0; ++i)
            engine.AddHighscore(game, i, table[i].m_strName, table[i].m_strDate, table[i].m_nWordLength,
                                table[i].m_nTimeUsed);
    }
    return bool(read);
}

bool SaveSettings(const CWordEngine& engine, const std::string& file)
{
    return Rewrite(file, [&](CIniFile& ini) { WriteSettings(ini, engine); });
}

bool SaveHighscores(const CWordEngine& engine, const std::string& file)
{
    return Rewrite(file, [&](CIniFile& ini) {
        for (unsigned game = 0; game < GAME_COUNT; ++game)
            WriteTable(ini, game, engine.m_highscores[game]);
    });
}

FileResult CSettingsFile::Load(CWordEngine& engine, const std::string& file)
{
    m_path = ProfilePath(file.c_str(), true);
    CIniFile ini;
    m_loadResult = ini.Load(m_path);
    ReadSettings(ini, engine);
    int* place[] = {&m_place.left, &m_place.top, &m_place.width, &m_place.height};
    m_place.known = true;
    for (std::size_t i = 0; i < std::size(kPlaceKeys); ++i) {
        const std::optional<std::string> value = ini.Get(kSettings, kPlaceKeys[i]);
        m_place.known = m_place.known && value;
        *place[i] = value ? ProfileInt(*value, 0) : 0;
    }
    m_soundOn = ReadInt(ini, kSettings, kSound, 1) != 0;
    m_wordList = ReadString(ini, kSettings, kWordList, "");
    m_language = ReadString(ini, kSettings, kLanguage, "");
    m_letterTiles.reset();
    m_matchRounds.reset();
    if (ini.Get(kSettings, kMatchRounds)) // a file without it, the Windows program's, plays endless
        m_matchRounds =
            static_cast<unsigned>(std::clamp(ReadInt(ini, kSettings, kMatchRounds, 0), 0, int(kLongestMatch)));
    if (ini.Get(kSettings, kLetterTiles))
        m_letterTiles = ReadInt(ini, kSettings, kLetterTiles, 1) != 0;
    for (unsigned game = 0; game < GAME_COUNT; ++game) {
        ReadTable(ini, game, m_base[game]);
        PutTable(engine, game, m_base[game]);
    }
    return m_loadResult;
}

FileResult CSettingsFile::Save(CWordEngine& engine, bool withSettings)
{
    if (!m_loadResult)
        return m_loadResult; // what could not be read is never written over
    // One save at a time across windows, so that none writes between
    // another's read and its write. A lock not had in time (a hung holder,
    // a folder without room for the lock file) leaves the merge alone to
    // keep what is on disk.
    const CFileLock lock(m_path, kSaveLockWait);
    CIniFile ini;
    if (const FileResult read = ini.Load(m_path); !read)
        return read;

    if (withSettings) {
        WriteSettings(ini, engine);
        const int place[] = {m_place.left, m_place.top, m_place.width, m_place.height};
        for (std::size_t i = 0; m_place.known && i < std::size(kPlaceKeys); ++i)
            ini.Set(kSettings, kPlaceKeys[i], std::to_string(place[i]));
        ini.Set(kSettings, kSound, m_soundOn ? "1" : "0");
        if (!m_wordList.empty()
            || ini.Get(kSettings, kWordList)) // a file that never left the standard list keeps its lines
            ini.Set(kSettings, kWordList, m_wordList);
        if (!m_language.empty()) // written once chosen in the game; until then the desktop's
            ini.Set(kSettings, kLanguage, m_language);
        if (m_letterTiles) // likewise once shown or hidden in the game
            ini.Set(kSettings, kLetterTiles, *m_letterTiles ? "1" : "0");
        if (m_matchRounds) // and once a match length is chosen
            ini.Set(kSettings, kMatchRounds, std::to_string(*m_matchRounds));
    }
    HighscoreTable merged[GAME_COUNT];
    unsigned rank = engine.m_nHighscoreRank;
    const bool rankIsAPlace = rank >= 1 && rank <= HIGHSCORE_PLACES;
    for (unsigned game = 0; game < GAME_COUNT; ++game) {
        HighscoreTable theirs;
        ReadTable(ini, game, theirs);
        std::copy(std::begin(engine.m_highscores[game]), std::end(engine.m_highscores[game]), std::begin(merged[game]));
        const bool latest = rankIsAPlace && game == engine.m_nLastGameType;
        const unsigned newRank = MergeHighscoreTable(m_base[game], theirs, merged[game], latest ? rank : 0);
        if (latest)
            rank = newRank;
        WriteTable(ini, game, merged[game]);
    }
    if (const FileResult written = ini.Save(m_path); !written)
        return written;

    for (unsigned game = 0; game < GAME_COUNT; ++game) {
        PutTable(engine, game, merged[game]);
        std::copy(std::begin(merged[game]), std::end(merged[game]), std::begin(m_base[game]));
    }
    engine.m_nHighscoreRank = rank;
    return {};
}
