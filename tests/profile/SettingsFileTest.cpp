#include "profile/SettingsFile.h"

#include "TempFolder.h"
#include "profile/IniFile.h"
#include "profile/Profile.h"

#include <gtest/gtest.h>

namespace {

struct SettingsFile : ::testing::Test {
    TempFolder folder;
    std::string path;

    void SetUp() override
    {
        SetAppPathOverride(folder.Path().string());
        path = folder.File("ordkamp.ini");
    }
    void TearDown() override { SetAppPathOverride({}); }

    CWordEngine Loaded()
    {
        CWordEngine engine;
        EXPECT_TRUE(LoadSettings(engine, "ordkamp.ini"));
        EXPECT_TRUE(LoadHighscores(engine, "ordkamp.ini"));
        return engine;
    }
};

// Shortest and longest word, penalty, the three games' times, game type.
std::vector<unsigned> Rules(const CWordEngine& e)
{
    return {e.m_nMinLetters, e.m_nMaxLetters, e.m_nHangmanPenalty, e.m_nTime[0],
            e.m_nTime[1],    e.m_nTime[2],    e.m_nGameTypeSetting};
}

TEST_F(SettingsFile, RulesGoThroughTheClampsInFileOrder)
{
    const std::pair<std::string, std::vector<unsigned>> cases[] = {
        // settings, rules read
        {"Mini=12\r\nMax=8", {8, 8, 4, 60, 60, 60, 4}},
        {"HangManTimeOff=90\r\nTimeHangMan=30", {5, 8, 60, 30, 60, 60, 4}},
        {"GameType=2", {5, 8, 4, 60, 60, 60, 2}},
        {"GameType=5", {5, 8, 4, 60, 60, 60, 4}},
        {"GameType=x", {5, 8, 4, 60, 60, 60, 0}},
        {"Mini=-5\r\nMax=99999999999\r\nHangManTimeOff=-1\r\nTimeHangMan=0\r\nTimeScrabble=1000000\r\n"
         "TimeMixWord=-2147483649\r\nGameType=99",
         {35, 35, 60, 1, 999, 999, 4}},
    };
    for (const auto& [settings, rules] : cases) {
        WriteBytes(path, "[Settings]\r\n" + settings + "\r\n");
        EXPECT_EQ(Rules(Loaded()), rules) << settings;
    }
}

TEST_F(SettingsFile, WindowsStyleFileLoadsAndKeepsItsForeignLines)
{
    WriteBytes(path,
               "; Ordkamp\r\n[settings]\r\nMINI = 6\r\nmax=\"10\"\r\n; a comment of the player's\r\n"
               "gametype = 1\r\nExtra=kept\r\n\r\n[Scrabble]\r\nNAME0 = 'Anna'\r\nwordlength0=7\r\n"
               "timeused0=15\r\ndate0=2024-05-01\r\nwordlength1=6\r\ntimeused1=20\r\nwordlength2=0\r\n"
               "name3=stale\r\nwordlength3=9\r\n[Other program]\r\nx=y\r\n");
    CWordEngine engine = Loaded();
    EXPECT_EQ(Rules(engine), (std::vector<unsigned>{6, 10, 4, 60, 60, 60, GAME_ANAGRAM}));
    const CHighscoreEntry* table = engine.m_highscores[GAME_ANAGRAM];
    EXPECT_EQ(table[0], (CHighscoreEntry{"Anna", "2024-05-01", 7, 15}));
    EXPECT_EQ(table[1], (CHighscoreEntry{"-", "-", 6, 20})); // name and date missing
    EXPECT_EQ(table[3].m_strName, "-"); // behind the end mark

    engine.ResetHighscores(GAME_ANAGRAM);
    ASSERT_TRUE(SaveSettings(engine, "ordkamp.ini"));
    ASSERT_TRUE(SaveHighscores(engine, "ordkamp.ini"));
    const std::string saved = ReadBytes(path);
    for (const char* kept : {"; Ordkamp\r\n[settings]\r\nMINI=6\r\nmax=10\r\n; a comment of the player's\r\n"
                             "gametype=1\r\nExtra=kept\r\n",
                             "\r\n[Scrabble]\r\nNAME0=-\r\nwordlength0=0\r\ntimeused0=0\r\ndate0=-\r\n",
                             "name3=stale\r\nwordlength3=9\r\n", "[Other program]\r\nx=y\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << "\n--- in ---\n" << saved;
}

// Two game windows on one file: the later save keeps the earlier one's
// places, and its window shows the merge; the last settings win.
TEST_F(SettingsFile, SessionsMergeTheirHighscoresAndTheLastSettingsWin)
{
    CWordEngine first, second;
    CSettingsFile firstFile, secondFile;
    ASSERT_TRUE(firstFile.Load(first, "ordkamp.ini") && secondFile.Load(second, "ordkamp.ini"));
    first.AddHighscore(GAME_ANAGRAM, 0, "Anna", "2026-12-07", 6, 10);
    first.m_nLastGameType = GAME_ANAGRAM;
    first.m_nHighscoreRank = 1;
    first.SetRule(RULE_MIN_LETTERS, 4);
    second.AddHighscore(GAME_ANAGRAM, 0, "Bo", "2026-12-07", 7, 10);
    second.SetRule(RULE_MIN_LETTERS, 6);
    ASSERT_TRUE(secondFile.Save(second, true) && firstFile.Save(first, true));

    const CWordEngine loaded = Loaded();
    const CHighscoreEntry* table = loaded.m_highscores[GAME_ANAGRAM];
    EXPECT_EQ(table[0].m_strName + table[1].m_strName + table[2].m_strName + std::to_string(loaded.m_nMinLetters),
              "BoAnna-4");
    // Its latest place moved down with the other's better one.
    EXPECT_EQ(first.m_highscores[GAME_ANAGRAM][0].m_strName + std::to_string(first.m_nHighscoreRank), "Bo2");
}

TEST_F(SettingsFile, OnlyAStoredZeroEndsATable)
{
    // Numbers that do not fit the 16-bit fields mark their entry damaged: it
    // is skipped, and the entry after it is kept (and written back).
    const struct {
        const char *length, *time;
        int16_t firstLength, firstTime;
    } cases[] = {
        {"65536", "1", 5, 0},      {"4294967296", "1", 5, 0}, // 0 as Windows reads it, yet no stored zero
        {"32768", "-32769", 5, 0}, {"32767", "-32768", 32767, -32768}, {"-5", "130", -5, 130},
    };
    for (const auto& c : cases) {
        WriteBytes(path,
                   std::string("[HangMan]\r\nwordlength0=") + c.length + "\r\ntimeused0=" + c.time
                       + "\r\nwordlength1=5\r\n");
        CWordEngine engine;
        CSettingsFile file;
        ASSERT_TRUE(file.Load(engine, "ordkamp.ini"));
        ASSERT_TRUE(file.Save(engine, false));
        const CWordEngine loaded = Loaded();
        const CHighscoreEntry* reloaded = loaded.m_highscores[GAME_HANGMAN];
        const bool damaged = c.firstLength == 5;
        EXPECT_EQ(std::tuple(reloaded[0].m_nWordLength, reloaded[0].m_nTimeUsed, reloaded[1].m_nWordLength),
                  std::tuple(c.firstLength, c.firstTime, static_cast<int16_t>(damaged ? 0 : 5)))
            << c.length;
        // What the session held is what the next start reads.
        EXPECT_EQ(engine.m_highscores[GAME_HANGMAN][0], reloaded[0]) << c.length;
    }
}

} // namespace
