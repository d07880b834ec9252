#include "engine/WordEngine.h"

#include "engine/Letters.h"
#include "engine/MixRows.h"

#include <utility>

namespace {

// Indexes of the words whose lengths lie in minLen..maxLen, from the length
// counts alone. False when there is none, or when the counts no longer match
// the list (it was changed without being sorted by length).
bool WordRange(const CWordEngine& engine, unsigned minLen, unsigned maxLen, std::size_t& lo, std::size_t& hi)
{
    if (engine.CountWords(minLen, maxLen) == 0)
        return false;
    lo = minLen == 0 ? 0 : engine.CountWords(0, minLen - 1);
    hi = engine.CountWords(0, maxLen) - 1;
    return hi < engine.m_words.size();
}

std::string_view Tail(std::string_view word)
{
    return std::string_view(word).substr(1);
}

unsigned Differences(std::string_view a, std::string_view b)
{
    unsigned count = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += a[i] != b[i];
    return count;
}

// Scans the words of one length, from a random place onwards, for a word
// whose letters after the first differ from both tails given.
std::string FindOtherTail(CWordEngine& engine, std::size_t lo, std::size_t hi, std::string_view tail1,
                          std::string_view tail2)
{
    const std::size_t count = hi - lo + 1;
    const std::size_t start = engine.m_random.Below(count);
    for (std::size_t step = 0; step < count; ++step) {
        const std::string_view word = engine.m_words[lo + (start + step) % count];
        if (Tail(word) != tail1 && Tail(word) != tail2)
            return std::string(word);
    }
    return {};
}

// Three different words of the given length that can be mixed. The first
// draw is random; when it cannot be mixed (the words agree in all but one
// column after the first letter), another triple is searched for. Such a
// triple exists exactly when the words of this length have three different
// tails (the letters after the first), or two that differ in two places.
bool PickMixableTriple(CWordEngine& engine, unsigned length, std::string words[3])
{
    words[0] = engine.PickWord(length, length);
    words[1] = engine.PickWord(length, length, words[0]);
    words[2] = engine.PickWord(length, length, words[0], words[1]);
    if (words[2].empty())
        return false;
    if (CanMixRows(words))
        return true;

    std::size_t lo = 0, hi = 0;
    WordRange(engine, length, length, lo, hi);
    words[1] = FindOtherTail(engine, lo, hi, Tail(words[0]), Tail(words[0]));
    if (words[1].empty())
        return false;
    words[2] = FindOtherTail(engine, lo, hi, Tail(words[0]), Tail(words[1]));
    if (words[2].empty()) {
        if (Differences(Tail(words[0]), Tail(words[1])) < 2)
            return false;
        words[2] = engine.PickWord(length, length, words[0], words[1]);
    }
    return CanMixRows(words);
}

// Draws the length with a weight equal to its number of words, then tries
// each length of the rules in turn until one gives a mixable triple.
void BuildMixword(CWordEngine& engine)
{
    engine.m_strPuzzle.clear();
    const auto start = static_cast<unsigned>(engine.PickWord(engine.m_nMinLetters, engine.m_nMaxLetters).size());
    unsigned length = start;
    std::string words[3];
    while (!PickMixableTriple(engine, length, words)) {
        length = length + 1 > engine.m_nMaxLetters ? engine.m_nMinLetters : length + 1;
        if (length == start) {
            engine.m_strAnswer[0].clear();
            return;
        }
    }

    std::string rows[3];
    MixRows(rows, words, engine.m_random);
    for (int k = 0; k < 3; ++k)
        engine.m_strAnswer[k] = words[k];
    engine.m_strPuzzle = rows[0] + "\n" + rows[1] + "\n" + rows[2];
}

void ShuffleAnagram(std::string& puzzle, const std::string& word, CRandom& random)
{
    // A word with a single distinct letter has no other arrangement; stored
    // words have at least three, but the list is open to its owner.
    if (CountDistinctChars(word) < 2)
        return;
    while (puzzle == word)
        for (std::size_t i = 0; i < puzzle.size(); ++i)
            std::swap(puzzle[i], puzzle[random.Below(puzzle.size())]);
}

} // namespace

bool CWordEngine::NewPuzzle()
{
    if (m_nGameTypeSetting == GAME_RANDOM)
        m_nGameType = static_cast<unsigned>(m_random.Below(3));
    if (m_nGameTypeSetting < GAME_ALTERNATING)
        m_nGameType = m_nGameTypeSetting;
    if (m_nGameType >= GAME_COUNT)
        m_nGameType = GAME_HANGMAN;
    m_nLastGameType = m_nGameType;
    m_nHighscoreRank = 0;
    m_strGuessed.clear();
    BuildPuzzle();
    return m_strAnswer[0].empty();
}

std::string CWordEngine::PickWord(unsigned minLen, unsigned maxLen, std::string_view avoid1, std::string_view avoid2)
{
    std::size_t lo = 0, hi = 0;
    if (m_words.empty() || !WordRange(*this, minLen, maxLen, lo, hi))
        return {};
    const std::size_t start = m_random.Below(hi - lo + 1) + lo;
    std::size_t i = start;
    do {
        if (m_words[i] != avoid1 && m_words[i] != avoid2)
            return std::string(m_words[i]);
        i = i == hi ? lo : i + 1;
    } while (i != start);
    return {};
}

void CWordEngine::BuildPuzzle()
{
    m_strAnswer[1].clear();
    m_strAnswer[2].clear();
    m_strAnswer[0] = PickWord(m_nMinLetters, m_nMaxLetters);
    m_strPuzzle = m_strAnswer[0];
    if (m_strPuzzle.empty())
        return;

    switch (m_nGameType) {
    case GAME_HANGMAN:
        m_strPuzzle.assign(m_strPuzzle.size(), '-');
        break;
    case GAME_ANAGRAM:
        ShuffleAnagram(m_strPuzzle, m_strAnswer[0], m_random);
        break;
    case GAME_MIXWORD:
        BuildMixword(*this);
        break;
    default:
        break;
    }
}

std::string CWordEngine::GetAnswerText()
{
    m_strAnswerText = m_strAnswer[0];
    if (m_nGameType == GAME_MIXWORD)
        m_strAnswerText += ", " + m_strAnswer[1] + ", " + m_strAnswer[2];
    return m_strAnswerText;
}
