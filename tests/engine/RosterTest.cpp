#include "engine/WordEngine.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const CWordEngine& engine)
{
    std::vector<std::string> names;
    for (const Player& player : engine.m_players)
        names.push_back(player.m_strName);
    return names;
}

TEST(Roster, DeletingKeepsTheTurnOnASensiblePlayer)
{
    const struct { unsigned current, removed, round; std::vector<std::string> left; unsigned nowCurrent, nowRound; } cases[] = {
        {2, 1, 3, {"Anna", "Cissi"}, 1, 3}, {2, 2, 3, {"Anna", "Bo"}, 0, 0}, {1, 1, 3, {"Anna", "Cissi"}, 1, 3},
        {0, 2, 3, {"Anna", "Bo"}, 0, 3}, {1, 7, 3, {"Anna", "Bo", "Cissi"}, 1, 3},
        {0, 0, 3, {}, 0, 0}, // the only player
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        for (const char* name : {"Anna", "Bo", "Cissi"})
            if (!c.left.empty() || engine.m_players.empty())
                engine.AddPlayer(name);
        engine.m_nCurPlayer = c.current;
        engine.m_nRound = c.round;
        engine.DeletePlayer(c.removed);
        EXPECT_EQ(Names(engine), c.left);
        EXPECT_EQ(engine.m_nCurPlayer, c.nowCurrent);
        EXPECT_EQ(engine.m_nRound, c.nowRound);
    }
}

TEST(Roster, RoundsAndTheAlternatingGame)
{
    const struct { unsigned setting, calls, round, game; } cases[] = {
        {GAME_ALTERNATING, 1, 0, GAME_HANGMAN}, {GAME_ALTERNATING, 4, 2, GAME_MIXWORD},
        {GAME_ALTERNATING, 6, 3, GAME_HANGMAN}, {GAME_RANDOM, 6, 3, GAME_ANAGRAM},
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        engine.AddPlayer("Anna");
        engine.AddPlayer("Bo");
        engine.m_nGameTypeSetting = c.setting;
        engine.m_nGameType = c.setting == GAME_ALTERNATING ? GAME_HANGMAN : GAME_ANAGRAM;
        for (unsigned i = 0; i < c.calls; ++i)
            engine.NextPlayer();
        EXPECT_EQ(engine.m_nRound, c.round);
        EXPECT_EQ(engine.m_nGameType, c.game);
        EXPECT_EQ(engine.m_nCurPlayer, c.calls % 2);
    }
}

} // namespace
