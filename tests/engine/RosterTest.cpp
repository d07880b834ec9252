#include "engine/WordEngine.h"

#include <gtest/gtest.h>

namespace {

TEST(Roster, DeletingKeepsTheTurnOnASensiblePlayer)
{
    const struct {
        unsigned current, removed, round;
        std::vector<std::string> left;
        unsigned nowCurrent, nowRound;
    } cases[] = {
        {2, 1, 3, {"Anna", "Cissi"}, 1, 3},       {2, 2, 3, {"Anna", "Bo"}, 0, 0},
        {1, 1, 3, {"Anna", "Cissi"}, 1, 3},       {0, 2, 3, {"Anna", "Bo"}, 0, 3},
        {1, 7, 3, {"Anna", "Bo", "Cissi"}, 1, 3}, {0, 0, 3, {}, 0, 0}, // the only player
    };
    for (const auto& c : cases) {
        CWordEngine engine;
        for (const char* name : {"Anna", "Bo", "Cissi"})
            if (!c.left.empty() || engine.m_players.empty())
                engine.AddPlayer(name);
        engine.m_nCurPlayer = c.current;
        engine.m_nRound = c.round;
        engine.DeletePlayer(c.removed);
        std::vector<std::string> left;
        for (const Player& player : engine.m_players)
            left.push_back(player.m_strName);
        EXPECT_EQ(std::tuple(left, engine.m_nCurPlayer, engine.m_nRound), std::tuple(c.left, c.nowCurrent, c.nowRound));
    }
}

// A match keeps every player's points after each round, a late player's
// from the round they joined, and their longest streak; equal points share
// a place; a new match starts from nothing with the same players.
TEST(Roster, AMatchRoundByRound)
{
    CWordEngine engine;
    engine.AddPlayer("Anna");
    engine.AddPlayer("Bo");
    engine.m_match.m_nRounds = 3;
    const auto round = [&](std::vector<uint32_t> points, std::vector<uint32_t> bonus) {
        for (std::size_t i = 0; i < engine.m_players.size(); ++i) {
            engine.m_players[i].m_nPoints = points[i];
            engine.m_players[i].m_nBonus = bonus[i];
            engine.NextPlayer();
        }
    };
    round({10, 5}, {1, 0});
    engine.AddPlayer("Cissi"); // joins in the second round
    round({20, 5, 0}, {2, 0, 0});
    EXPECT_FALSE(engine.MatchOver());
    round({30, 40, 30}, {0, 1, 1});
    EXPECT_TRUE(engine.MatchOver());
    std::vector<std::tuple<unsigned, std::vector<uint32_t>, uint32_t>> lines; // joined, points, longest streak
    for (const MatchLine& line : engine.m_match.m_lines)
        lines.emplace_back(line.joined, line.points, line.longestStreak);
    EXPECT_EQ(lines, (decltype(lines){{0, {10, 20, 30}, 2}, {0, {5, 5, 40}, 1}, {1, {0, 30}, 1}}));

    using Places = std::vector<std::pair<unsigned, unsigned>>; // player, place
    const std::pair<std::vector<uint32_t>, Places> cases[] = {
        {{30, 40, 30}, {{1, 1}, {0, 2}, {2, 2}}},
        {{7, 7, 7}, {{0, 1}, {1, 1}, {2, 1}}},
        {{1, 9, 5, 9}, {{1, 1}, {3, 1}, {2, 3}, {0, 4}}},
        {{}, {}},
    };
    for (const auto& [points, places] : cases) {
        Places got;
        for (const Standing& standing : Standings(points))
            got.emplace_back(standing.player, standing.place);
        EXPECT_EQ(got, places);
    }

    engine.m_nCurPlayer = 1;
    engine.NewMatch(5);
    EXPECT_EQ(std::tuple(engine.m_nRound, engine.m_nCurPlayer, engine.m_players[1].m_nPoints,
                         engine.m_players[1].m_nBonus, engine.m_match.m_nRounds, engine.MatchOver(),
                         engine.m_match.m_lines[2].joined, engine.m_match.m_lines[2].points.size()),
              std::tuple(0u, 0u, 0u, 0u, 5u, false, 0u, std::size_t{0}));
}

} // namespace
