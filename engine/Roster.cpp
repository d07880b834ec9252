#include "engine/WordEngine.h"

void CWordEngine::AddPlayer(const std::string& name)
{
    m_players.push_back(Player{name});
}

void CWordEngine::DeletePlayer(unsigned index)
{
    if (index >= m_players.size())
        return;
    m_players.erase(m_players.begin() + index);
    if (m_nCurPlayer > index)
        --m_nCurPlayer;
    if (m_nCurPlayer >= m_players.size()) {
        m_nCurPlayer = 0;
        m_nRound = 0;
    }
}

void CWordEngine::NextPlayer()
{
    if (++m_nCurPlayer < m_players.size())
        return;
    m_nCurPlayer = 0;
    ++m_nRound;
    if (m_nGameTypeSetting == GAME_ALTERNATING)
        m_nGameType = (m_nGameType + 1) % GAME_COUNT;
}

void CWordEngine::ResetScores()
{
    for (Player& player : m_players)
        player.m_nPoints = player.m_nBonus = 0;
    m_nRound = 0;
}
