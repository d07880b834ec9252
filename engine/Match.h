#pragma once

#include <cstdint>
#include <vector>

// A match: a number of rounds after which the game ends with a winner, or
// none (0), the endless game. For the results it keeps each player's points
// after every round and their longest streak of solved words.

struct MatchLine {
    unsigned joined = 0; // the round (from 0) the player joined in
    std::vector<uint32_t> points; // the points after each round finished since
    uint32_t longestStreak = 0;
};

struct CMatch {
    unsigned m_nRounds = 0; // 0: endless
    std::vector<MatchLine> m_lines; // one a player, in the roster's order

    bool Over(unsigned roundsPlayed) const { return m_nRounds > 0 && roundsPlayed >= m_nRounds; }
};

// Matches are 1 to 99 rounds long.
inline constexpr unsigned kLongestMatch = 99;

// The players in order of points, most first (equal points in the roster's
// order), each with their place: equal points share a place ("1, 2, 2, 4").
struct Standing {
    unsigned player;
    unsigned place;
};
std::vector<Standing> Standings(const std::vector<uint32_t>& points);
