// A player name of any characters is kept as far as Windows-1252 allows
// and never breaks a line of the settings file.

#include "GameFixture.h"

#include "profile/IniFile.h"

#include <algorithm>

namespace {

TEST_F(GameWindow, HostilePlayerNames)
{
    WriteWords(ManyWords(120));
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
    EXPECT_EQ(ini.Get("Scrabble", "name1").value_or("") + ini.Get("Scrabble", "wordlength1").value_or(""), "Efter6"); // no line broken

    Start();
    std::string expected = stored; // line breaks read back as blanks
    std::replace_if(expected.begin(), expected.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    EXPECT_EQ(dlg->m_engine.m_highscores[GAME_ANAGRAM][0].m_strName, expected);
}

} // namespace
