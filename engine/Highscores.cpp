#include "engine/Highscores.h"

#include "engine/WordEngine.h"

#include <algorithm>
#include <ctime>
#include <vector>

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

std::vector<CHighscoreEntry> EntriesOf(const HighscoreTable& table)
{
    const auto end = std::find_if(std::begin(table), std::end(table),
                                  [](const CHighscoreEntry& entry) { return entry.m_nWordLength == 0; });
    return {std::begin(table), end};
}

// Whether `theirs` goes before `ours` on the merged table.
bool GoesFirst(const CHighscoreEntry& theirs, const CHighscoreEntry& ours)
{
    if (theirs.Score() != ours.Score())
        return theirs.Score() > ours.Score();
    return theirs.m_strDate < ours.m_strDate;
}

} // namespace

unsigned MergeHighscoreTable(const HighscoreTable& base, const HighscoreTable& theirs, HighscoreTable& ours,
                             unsigned rank)
{
    std::vector<CHighscoreEntry> unmatched = EntriesOf(base);
    std::vector<CHighscoreEntry> added;
    for (const CHighscoreEntry& entry : EntriesOf(theirs)) {
        const auto known = std::find(unmatched.begin(), unmatched.end(), entry);
        if (known != unmatched.end())
            unmatched.erase(known);
        else
            added.push_back(entry);
    }
    if (added.empty())
        return rank;

    const std::vector<CHighscoreEntry> kept = EntriesOf(ours);
    HighscoreTable merged;
    unsigned place = 0, newRank = 0;
    auto mine = kept.begin();
    auto other = added.begin();
    for (; place < HIGHSCORE_PLACES && (mine != kept.end() || other != added.end()); ++place) {
        if (mine == kept.end() || (other != added.end() && GoesFirst(*other, *mine))) {
            merged[place] = *other++;
            continue;
        }
        if (rank == static_cast<unsigned>(mine - kept.begin()) + 1)
            newRank = place + 1;
        merged[place] = *mine++;
    }
    std::copy(std::begin(merged), std::end(merged), std::begin(ours));
    return newRank;
}

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
    engine.AddHighscore(game, place, engine.m_players[engine.m_nCurPlayer].m_strName, TodayDate(),
                        candidate.m_nWordLength, candidate.m_nTimeUsed);
}

void CWordEngine::ResetHighscores(unsigned game)
{
    if (game >= GAME_COUNT)
        return;
    for (CHighscoreEntry& entry : m_highscores[game])
        entry = CHighscoreEntry{};
}

void CWordEngine::AddHighscore(unsigned game, unsigned index, const std::string& name, const std::string& date,
                               int16_t wordLength, int16_t timeUsed)
{
    if (game >= GAME_COUNT || index >= HIGHSCORE_PLACES)
        return;
    m_highscores[game][index] = {name, date, wordLength, timeUsed};
}
