#include "engine/WordEngine.h"

#include "engine/Highscores.h"
#include "engine/Letters.h"

#include <algorithm>

namespace {

// Records a hangman letter in the ascending list of tried letters. False if
// it was tried before.
bool RecordTriedLetter(std::string& guessed, char letter)
{
    const auto byValue = [](char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); };
    const auto place = std::lower_bound(guessed.begin(), guessed.end(), letter, byValue);
    if (place != guessed.end() && *place == letter)
        return false;
    guessed.insert(place, letter);
    return true;
}

} // namespace

unsigned CWordEngine::CheckGuess(const std::string& guess, unsigned secondsLeft)
{
    const std::string& word = m_strAnswer[0];
    if (guess.empty() || word.empty())
        return GUESS_NONE;

    std::string lowered = guess;
    LowerCaseWord(lowered);

    if (m_nGameType == GAME_HANGMAN) {
        if (!IsLetter(static_cast<unsigned char>(guess[0])))
            return GUESS_NONE;
        const char letter = lowered[0];
        if (!RecordTriedLetter(m_strGuessed, letter))
            return GUESS_NONE;
        bool found = false;
        for (std::size_t i = 0; i < word.size() && i < m_strPuzzle.size(); ++i) {
            if (word[i] == letter && m_strPuzzle[i] == '-') {
                m_strPuzzle[i] = letter;
                found = true;
            }
        }
        if (!found)
            return GUESS_WRONG_LETTER;
        if (m_strPuzzle != word)
            return GUESS_NONE;
    } else if (m_nGameType == GAME_ANAGRAM && lowered != word) {
        // Any word of the list made of exactly the puzzle's letters is right
        // ("inledas" for "silande"); it is then the answer shown.
        if (lowered.size() != word.size() || !std::is_permutation(lowered.begin(), lowered.end(), word.begin())
            || std::find(m_words.begin(), m_words.end(), lowered) == m_words.end())
            return GUESS_NONE;
        m_strAnswer[0] = lowered;
    } else if (lowered != word
               && !(m_nGameType == GAME_MIXWORD && (lowered == m_strAnswer[1] || lowered == m_strAnswer[2]))) {
        return GUESS_NONE;
    }
    RecordSolve(secondsLeft);
    return GUESS_SOLVED;
}

void CWordEngine::RecordSolve(unsigned secondsLeft)
{
    if (m_nCurPlayer >= m_players.size()) {
        m_nLastPoints = 0; // no player to credit; the window starts no turn without one
        return;
    }
    Player& player = m_players[m_nCurPlayer];
    ++player.m_nBonus;
    const int64_t base = int64_t(m_strAnswer[0].size()) - int64_t(m_nMinLetters) + player.m_nBonus;
    const unsigned timeLeft = secondsLeft == 0 ? 1 : secondsLeft;
    m_nLastPoints = static_cast<int32_t>(base * timeLeft);
    player.m_nPoints += static_cast<uint32_t>(m_nLastPoints);
    OfferHighscore(*this, timeLeft);
}
