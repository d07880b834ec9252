#include "engine/WordEngine.h"

#include <algorithm>

void CWordEngine::AddPlayer(const std::string& name)
{
    m_players.push_back(Player{name});
    m_match.m_lines.push_back({m_nRound, {}, 0}); // in the chart from the round they joined
}

void CWordEngine::DeletePlayer(unsigned index)
{
    if (index >= m_players.size())
        return;
    m_players.erase(m_players.begin() + index);
    if (index < m_match.m_lines.size())
        m_match.m_lines.erase(m_match.m_lines.begin() + index);
    if (m_nCurPlayer > index)
        --m_nCurPlayer;
    if (m_nCurPlayer >= m_players.size()) {
        m_nCurPlayer = 0;
        m_nRound = 0;
    }
}

void CWordEngine::NextPlayer()
{
    if (m_nCurPlayer < m_players.size() && m_nCurPlayer < m_match.m_lines.size()) {
        uint32_t& longest = m_match.m_lines[m_nCurPlayer].longestStreak;
        longest = std::max(longest, m_players[m_nCurPlayer].m_nBonus);
    }
    if (++m_nCurPlayer < m_players.size())
        return;
    m_nCurPlayer = 0;
    for (std::size_t i = 0; i < m_players.size() && i < m_match.m_lines.size(); ++i)
        m_match.m_lines[i].points.push_back(m_players[i].m_nPoints);
    ++m_nRound;
    if (m_nGameTypeSetting == GAME_ALTERNATING)
        m_nGameType = (m_nGameType + 1) % GAME_COUNT;
}

void CWordEngine::ResetScores()
{
    for (Player& player : m_players)
        player.m_nPoints = player.m_nBonus = 0;
    m_nRound = 0;
    m_match.m_lines.assign(m_players.size(), MatchLine{});
}

void CWordEngine::NewMatch(unsigned rounds)
{
    ResetScores();
    m_nCurPlayer = 0;
    m_match.m_nRounds = std::min(rounds, kLongestMatch);
}
