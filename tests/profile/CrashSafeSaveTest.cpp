#include "profile/SettingsFile.h"

#include "EngineFixtures.h"
#include "TempFolder.h"
#include "profile/Profile.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

struct Saves : ::testing::Test {
    TempFolder folder;
    CWordEngine first, second;

    void SetUp() override
    {
        SetAppPathOverride(folder.Path().string());
        FillWords(first, ManyWords(40'000, 7));
        FillWords(second, ManyWords(30'000, 6));
        for (CWordEngine* engine : {&first, &second})
            engine->m_strFileName = folder.File("ordkamp.se");
        second.SetRule(RULE_TIME_HANGMAN, 90);
        for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i)
            second.AddHighscore(GAME_MIXWORD, i, "Bo", "2026-12-06", 8, static_cast<int16_t>(i));
    }
    void TearDown() override { SetAppPathOverride({}); }

    static bool SaveAll(const CWordEngine& engine)
    {
        return const_cast<CWordEngine&>(engine).SaveWordList() && SaveSettings(engine, "ordkamp.ini")
            && SaveHighscores(engine, "ordkamp.ini");
    }
    std::string WordFile() const { return ReadBytes(folder.File("ordkamp.se")); }
    std::string IniFile() const { return ReadBytes(folder.File("ordkamp.ini")); }
};

TEST_F(Saves, KilledSavesLeaveTheOldOrTheNewFile)
{
    // Every settings file that whole saves of the two engines can leave, in
    // any order: a save keeps the keys it does not own, so a short table
    // saved after a long one leaves the long one's higher places behind.
    const std::function<bool()> saves[] = {
        [&] { return SaveSettings(first, "ordkamp.ini"); },
        [&] { return SaveSettings(second, "ordkamp.ini"); },
        [&] { return SaveHighscores(first, "ordkamp.ini"); },
        [&] { return SaveHighscores(second, "ordkamp.ini"); },
    };
    std::set<std::string> iniFiles;
    std::vector<std::string> unexplored{""};
    while (!unexplored.empty()) {
        const std::string from = unexplored.back();
        unexplored.pop_back();
        for (const auto& save : saves) {
            WriteBytes(folder.File("ordkamp.ini"), from);
            ASSERT_TRUE(save());
            if (iniFiles.insert(IniFile()).second)
                unexplored.push_back(IniFile());
        }
    }
    ASSERT_LT(iniFiles.size(), 100u);
    std::set<std::string> wordFiles;
    for (CWordEngine* engine : {&first, &second}) {
        ASSERT_TRUE(engine->SaveWordList());
        wordFiles.insert(WordFile());
    }

    std::mt19937 random(20261206);
    for (int round = 0; round < 200; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                SaveAll(second);
                SaveAll(first);
            }
        }
        usleep(static_cast<useconds_t>(random() % 4000));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(wordFiles.count(WordFile())) << "kill " << round << ": a torn word list";
        ASSERT_TRUE(iniFiles.count(IniFile())) << "kill " << round << ": a torn settings file";
    }
}

TEST_F(Saves, FullDiskReportsFailureAndKeepsTheOldFiles)
{
    ASSERT_TRUE(SaveAll(first));
    const std::string oldWords = WordFile(), oldIni = IniFile();

    // Every save of `second` runs out of room.
    EXPECT_TRUE(OnAFullDisk([&] { return !second.SaveWordList() && !SaveHighscores(second, "ordkamp.ini"); }))
        << "a save past the size limit reported success";
    EXPECT_EQ(WordFile() + IniFile(), oldWords + oldIni);
}

// Each window's places, won one by one and saved at once, all survive the
// other window's saves: none writes between another's read and its write.
TEST_F(Saves, TwoProcessesSavingAtOnceLoseNoPlace)
{
    constexpr int kPlaces = 50; // two windows' worth fill the table exactly
    for (int c = 0; c < 2; ++c) {
        if (fork() == 0) {
            CWordEngine engine;
            CSettingsFile file;
            bool ok = bool(file.Load(engine, "ordkamp.ini"));
            CHighscoreEntry* table = engine.m_highscores[GAME_MIXWORD];
            for (int i = 0; i < kPlaces; ++i) {
                std::copy_backward(table, table + HIGHSCORE_PLACES - 1, table + HIGHSCORE_PLACES);
                engine.AddHighscore(GAME_MIXWORD, 0, "P" + std::to_string(c) + "-" + std::to_string(i), "2026-12-07",
                                    static_cast<int16_t>(3 + i), 10); // each new place the best
                engine.m_nLastGameType = GAME_MIXWORD;
                engine.m_nHighscoreRank = 1;
                ok = file.Save(engine, i % 2 == 0) && ok;
            }
            _exit(ok ? 0 : 1);
        }
    }
    for (int exited = 0; exited < 2; ++exited) {
        int status = 0;
        ASSERT_GT(wait(&status), 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    CWordEngine engine;
    CSettingsFile file;
    ASSERT_TRUE(file.Load(engine, "ordkamp.ini"));
    std::set<std::string> names;
    for (const CHighscoreEntry& entry : engine.m_highscores[GAME_MIXWORD])
        names.insert(entry.m_strName);
    EXPECT_EQ(names.size(), std::size_t{2 * kPlaces});
}

} // namespace
