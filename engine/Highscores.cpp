#include "Highscores.h"

#include "WordEngine.h"

#include <ctime>

namespace {

// Fewer available words than this make results too easy to compare.
constexpr unsigned kMinWordsForHighscore = 100;
constexpr unsigned kMinHangmanPenalty = 3;

std::string TodayDate()
{
    const std::time_t now = std::time(nullptr);
    char text[16] = {};
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%Y-%m-%d", local);
    return text;
}

} // namespace

void OfferHighscore(CWordEngine& engine, unsigned timeLeft)
{
    if (engine.CountAvailableWords() < kMinWordsForHighscore)
        return;
    const unsigned game = engine.m_nGameType;
    if (game >= GAME_COUNT || engine.m_nCurPlayer >= engine.m_players.size())
        return;
    if (game == GAME_HANGMAN && engine.m_nHangmanPenalty < kMinHangmanPenalty) {
        engine.m_nHighscoreRank = HIGHSCORE_NOT_ELIGIBLE;
        return;
    }

    CHighscoreEntry candidate;
    candidate.m_nTimeUsed = static_cast<int16_t>(engine.m_nTime[game] - timeLeft);
    candidate.m_nWordLength = static_cast<int16_t>(engine.m_strAnswer[0].size());
    const int32_t score = candidate.Score();

    CHighscoreEntry* table = engine.m_highscores[game];
    if (score <= table[HIGHSCORE_PLACES - 1].Score())
        return;
    unsigned place = HIGHSCORE_PLACES - 1;
    while (place > 0 && table[place - 1].Score() < score)
        --place;

    engine.m_nHighscoreRank = place + 1;
    for (unsigned i = HIGHSCORE_PLACES - 1; i > place; --i)
        table[i] = table[i - 1];
    engine.AddHighscore(game, place, engine.m_players[engine.m_nCurPlayer].m_strName,
                        TodayDate(), candidate.m_nWordLength, candidate.m_nTimeUsed);
}

void CWordEngine::ResetHighscores(unsigned game)
{
    if (game >= GAME_COUNT)
        return;
    for (CHighscoreEntry& entry : m_highscores[game])
        entry = CHighscoreEntry{};
}

void CWordEngine::AddHighscore(unsigned game, unsigned index, const std::string& name,
                               const std::string& date, int16_t wordLength, int16_t timeUsed)
{
    if (game >= GAME_COUNT || index >= HIGHSCORE_PLACES)
        return;
    m_highscores[game][index] = {name, date, wordLength, timeUsed};
}
