#include "WordEngine.h"

#include "Letters.h"
#include "WordFile.h"
#include "WordOrder.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

bool CleanAndValidate(std::string& word)
{
    CleanWord(word);
    LowerCaseWord(word);
    return IsValidWord(word);
}

unsigned ClampLetters(unsigned value)
{
    return std::clamp(value, unsigned{MIN_WORD_LENGTH}, unsigned{MAX_WORD_LENGTH});
}

unsigned ClampSeconds(unsigned value)
{
    return std::clamp(value, 1u, 999u);
}

} // namespace

CWordEngine::CWordEngine()
{
    srand(static_cast<unsigned>(time(nullptr)));
}

void CWordEngine::AddWord(std::string& word)
{
    if (CleanAndValidate(word))
        m_words.push_back(word);
}

bool CWordEngine::LoadWordList()
{
    std::string contents;
    if (!ReadWholeFile(m_strFileName, contents))
        return false;

    ClearWords();
    ForEachLineCandidate(contents, [this](std::string&& line) {
        if (CleanAndValidate(line))
            m_words.push_back(std::move(line));
    });
    SortWords(SORT_BY_LENGTH);
    return true;
}

bool CWordEngine::SaveWordList()
{
    return WriteWordsAtomically(m_strFileName, m_words);
}

void CWordEngine::AddWordsFromText(const std::string& text, int mode)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string piece = text.substr(start, end == std::string::npos ? std::string::npos
                                                                         : end - start);
        AddWord(piece);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    SortWords(mode);
}

void CWordEngine::SortWords(int mode)
{
    const bool byLength = mode == SORT_BY_LENGTH;
    SortUniqueWords(m_words, byLength);

    std::fill(std::begin(m_nLengthCount), std::end(m_nLengthCount), 0u);
    if (byLength)
        for (const std::string& word : m_words)
            if (word.size() <= MAX_WORD_LENGTH)
                ++m_nLengthCount[word.size()];
}

void CWordEngine::DeleteWord(unsigned index)
{
    if (index < m_words.size())
        m_words.erase(m_words.begin() + index);
}

unsigned CWordEngine::CountWords(unsigned lo, unsigned hi) const
{
    hi = std::min(hi, unsigned{MAX_WORD_LENGTH});
    unsigned count = 0;
    for (unsigned n = lo; n <= hi; ++n)
        count += m_nLengthCount[n];
    return count;
}

unsigned CWordEngine::CountAvailableWords() const
{
    return CountWords(m_nMinLetters, m_nMaxLetters);
}

void CWordEngine::SetRule(unsigned index, unsigned value)
{
    switch (index) {
    case 0:
        m_nMinLetters = ClampLetters(value);
        m_nMaxLetters = std::max(m_nMaxLetters, m_nMinLetters);
        break;
    case 1:
        m_nMaxLetters = ClampLetters(value);
        m_nMinLetters = std::min(m_nMinLetters, m_nMaxLetters);
        break;
    case 2:
        m_nHangmanPenalty = std::min(ClampSeconds(value), m_nTime[GAME_HANGMAN]);
        break;
    case 3:
    case 4:
    case 5:
        m_nTime[index - 3] = ClampSeconds(value);
        break;
    default:
        break;
    }
}

void CWordEngine::ClearWords()
{
    m_words.clear();
    std::fill(std::begin(m_nLengthCount), std::end(m_nLengthCount), 0u);
}

void CWordEngine::CopyWordsFrom(const CWordEngine& source)
{
    if (source.m_words.empty() || &source == this)
        return;
    ClearWords();
    m_words = source.m_words;
    SortWords(SORT_BY_LENGTH);
}
