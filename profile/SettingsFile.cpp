#include "SettingsFile.h"

#include "IniFile.h"
#include "Profile.h"

namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kGameType = "GameType";

struct RuleKey {
    const char* key;
    int def;
};
// In the order of the engine's rule indexes, which is also the order they
// are read in: each value is clamped against those read before it.
constexpr RuleKey kRules[RULE_COUNT] = {
    {"Mini", 5}, {"Max", 8}, {"HangManTimeOff", 4},
    {"TimeHangMan", 60}, {"TimeScrabble", 60}, {"TimeMixWord", 60},
};

constexpr const char* kHighscoreSections[GAME_COUNT] = {"HangMan", "Scrabble", "Mixword"};

uint32_t RuleValue(const CWordEngine& engine, unsigned index)
{
    switch (index) {
    case 0: return engine.m_nMinLetters;
    case 1: return engine.m_nMaxLetters;
    case 2: return engine.m_nHangmanPenalty;
    default: return engine.m_nTime[index - 3];
    }
}

int ReadInt(const CIniFile& ini, const char* section, const std::string& key, int def)
{
    const std::optional<std::string> value = ini.Get(section, key);
    return value ? ProfileInt(*value, def) : def;
}

std::string ReadString(const CIniFile& ini, const char* section, const std::string& key,
                       const char* def)
{
    const std::optional<std::string> value = ini.Get(section, key);
    return value ? ProfileString(*value) : def;
}

template <typename Change>
bool Rewrite(const std::string& file, Change change)
{
    const std::string path = ProfilePath(file.c_str(), true);
    CIniFile ini;
    if (!ini.Load(path))
        return false; // never replace a file we could not read
    change(ini);
    return ini.Save(path);
}

} // namespace

bool LoadSettings(CWordEngine& engine, const std::string& file)
{
    CIniFile ini;
    const bool read = ini.Load(ProfilePath(file.c_str(), true));
    for (unsigned index = 0; index < RULE_COUNT; ++index)
        engine.SetRule(index, static_cast<unsigned>(ReadInt(ini, kSettings, kRules[index].key,
                                                            kRules[index].def)));
    const int gameType = ReadInt(ini, kSettings, kGameType, GAME_RANDOM);
    engine.m_nGameTypeSetting = gameType >= 0 && gameType <= int{GAME_RANDOM}
        ? static_cast<uint32_t>(gameType) : uint32_t{GAME_RANDOM};
    return read;
}

bool LoadHighscores(CWordEngine& engine, const std::string& file)
{
    CIniFile ini;
    const bool read = ini.Load(ProfilePath(file.c_str(), true));
    for (unsigned game = 0; game < GAME_COUNT; ++game) {
        const char* section = kHighscoreSections[game];
        for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i) {
            const std::string n = std::to_string(i);
            const int wordLength = ReadInt(ini, section, "wordlength" + n, 0);
            if (wordLength == 0)
                break;
            const int timeUsed = ReadInt(ini, section, "timeused" + n, 0);
            engine.AddHighscore(game, i, ReadString(ini, section, "name" + n, "-"),
                                ReadString(ini, section, "date" + n, "-"),
                                static_cast<int16_t>(wordLength), static_cast<int16_t>(timeUsed));
        }
    }
    return read;
}

bool SaveSettings(const CWordEngine& engine, const std::string& file)
{
    return Rewrite(file, [&](CIniFile& ini) {
        for (unsigned index = 0; index < RULE_COUNT; ++index)
            ini.Set(kSettings, kRules[index].key,
                    std::to_string(static_cast<int>(RuleValue(engine, index))));
        ini.Set(kSettings, kGameType, std::to_string(static_cast<int>(engine.m_nGameTypeSetting)));
    });
}

bool SaveHighscores(const CWordEngine& engine, const std::string& file)
{
    return Rewrite(file, [&](CIniFile& ini) {
        for (unsigned game = 0; game < GAME_COUNT; ++game) {
            const char* section = kHighscoreSections[game];
            for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i) {
                const CHighscoreEntry& entry = engine.m_highscores[game][i];
                const std::string n = std::to_string(i);
                ini.Set(section, "name" + n, entry.m_strName);
                ini.Set(section, "date" + n, entry.m_strDate);
                ini.Set(section, "wordlength" + n, std::to_string(entry.m_nWordLength));
                ini.Set(section, "timeused" + n, std::to_string(entry.m_nTimeUsed));
                if (entry.m_nWordLength == 0)
                    break; // the end mark; higher keys of a longer old list stay unread
            }
        }
    });
}
