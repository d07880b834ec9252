// Bad input of every kind gets a clear answer and loses nothing.

#include "GameFixture.h"

#include "engine/Letters.h"
#include "platform/Windows1252.h"
#include "profile/IniFile.h"
#include "profile/SettingsFile.h"

#include <functional>
#include <random>

namespace {

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& ch : bytes)
        ch = static_cast<char>(random());
    return bytes;
}

void ExpectWordRules(const CWordEngine& engine)
{
    unsigned counted = 0;
    for (const std::string& word : engine.m_words) {
        std::string lowered = word;
        LowerCaseWord(lowered);
        ASSERT_TRUE(IsValidWord(word) && lowered == word) << word;
    }
    for (unsigned n = 0; n <= 35; ++n)
        counted += engine.m_nLengthCount[n];
    EXPECT_EQ(counted, engine.m_words.size());
}

TEST_F(GameWindow, HostileWordLists)
{
    std::string twoMillion;
    for (unsigned i = 0; i < 2'000'000; ++i) {
        std::string word;
        for (unsigned n = i, k = 0; k < 6; ++k, n /= 26)
            word += static_cast<char>('a' + n % 26);
        twoMillion += "ab" + word + "c\r\n"; // a, b and c: always three different letters
    }
    const struct { const char* what; std::function<std::string()> bytes; std::size_t words; } cases[] = {
        {"random bytes", [] { return RandomBytes(5'000'000, 1); }, std::size_t(-1)},
        {"NUL bytes", [] { return std::string("hus\0\0\nbil\n\0sol\0\n", 16) + std::string(1000, '\0'); }, 3},
        {"a 100 MB line", [] { return "hus\n" + std::string(100'000'000, 'a') + "\nbil"; }, 2},
        {"2 000 000 words", [&] { return twoMillion; }, 2'000'000},
    };
    for (const auto& c : cases) {
        WriteBytes(folder.File("ordkamp.se"), c.bytes());
        CWordEngine engine;
        engine.m_strFileName = folder.File("ordkamp.se");
        ASSERT_TRUE(engine.LoadWordList()) << c.what;
        if (c.words != std::size_t(-1)) {
            EXPECT_EQ(engine.m_words.size(), c.words) << c.what;
        }
        ExpectWordRules(engine);
    }
}

TEST_F(GameWindow, HostileSettingsFiles)
{
    std::string manySections;
    for (int i = 0; i < 100'000; ++i)
        manySections += "[S" + std::to_string(i) + "]\r\nk=v\r\n";
    const struct { const char* what; std::string bytes; unsigned min, max, penalty, time0, time1, time2, gameType; } cases[] = {
        {"random bytes", RandomBytes(1'000'000, 2), 5, 8, 4, 60, 60, 60, 4},
        {"100 000 sections", manySections + "[Settings]\r\nMax=9\r\n", 5, 9, 4, 60, 60, 60, 4},
        {"a 50 MB value", "[Settings]\r\nTimeScrabble=" + std::string(50'000'000, '7') + "\r\nMax=9\r\n",
         5, 9, 4, 60, 999, 60, 4},
        {"every value out of range",
         "[Settings]\r\nMini=-5\r\nMax=99999999999\r\nHangManTimeOff=-1\r\nTimeHangMan=0\r\n"
         "TimeScrabble=1000000\r\nTimeMixWord=-2147483649\r\nGameType=99\r\n",
         35, 35, 60, 1, 999, 999, 4},
    };
    for (const auto& c : cases) {
        WriteBytes(folder.File("ordkamp.ini"), c.bytes);
        CWordEngine engine;
        LoadSettings(engine, "ordkamp.ini");
        LoadHighscores(engine, "ordkamp.ini");
        const unsigned got[] = {engine.m_nMinLetters, engine.m_nMaxLetters, engine.m_nHangmanPenalty,
                                engine.m_nTime[0], engine.m_nTime[1], engine.m_nTime[2], engine.m_nGameTypeSetting};
        const unsigned want[] = {c.min, c.max, c.penalty, c.time0, c.time1, c.time2, c.gameType};
        EXPECT_TRUE(std::equal(std::begin(got), std::end(got), std::begin(want))) << c.what;
        EXPECT_TRUE(SaveSettings(engine, "ordkamp.ini")) << c.what; // and it saves again
    }

    // A name of 10 000 bytes is read as the Windows program reads it: 511.
    WriteBytes(folder.File("ordkamp.ini"), "[HangMan]\r\nname0=" + std::string(10'000, 'N') + "\r\nwordlength0=5\r\n");
    CWordEngine engine;
    LoadHighscores(engine, "ordkamp.ini");
    EXPECT_EQ(engine.m_highscores[GAME_HANGMAN][0].m_strName, std::string(511, 'N'));
}

TEST_F(GameWindow, HostilePlayerNames)
{
    WriteWords(ManyWordsForHighscores());
    Start();
    const QString name = QStringLiteral("Anna\nBo\r\tÅsa 😀 Ω");
    Control<QLineEdit>(IDC_NEW_PLAYER)->setText(name);
    dlg->OnAddPlayer();
    ASSERT_EQ(dlg->m_engine.m_players.size(), 1u);
    const std::string stored = dlg->m_engine.m_players[0].m_strName;
    EXPECT_EQ(stored.find_first_of("\xC5"), stored.find("\xC5sa")); // Å kept as its byte
    EXPECT_NE(stored.find("? ?"), std::string::npos);               // the rest became '?'

    dlg->m_engine.AddHighscore(GAME_ANAGRAM, 0, stored, "2026-12-06", 7, 10);
    dlg->m_engine.AddHighscore(GAME_ANAGRAM, 1, "Efter", "2026-12-06", 6, 10);
    dlg->OnExit();
    const CIniFile ini = CIniFile::Parse(ReadBytes(folder.File("ordkamp.ini")));
    EXPECT_EQ(ini.Get("Scrabble", "wordlength1"), "6"); // the name broke no line
    EXPECT_EQ(ini.Get("Scrabble", "name1"), "Efter");

    Start();
    std::string expected = stored;
    for (char& ch : expected)
        if (ch == '\r' || ch == '\n')
            ch = ' ';
    EXPECT_EQ(dlg->m_engine.m_highscores[GAME_ANAGRAM][0].m_strName, expected);
}

} // namespace
