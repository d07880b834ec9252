#include "engine/WordEngine.h"

#include "engine/Letters.h"
#include "engine/TextEncoding.h"
#include "engine/WordFile.h"
#include "engine/WordOrder.h"

#include <algorithm>

namespace {

bool CleanAndValidate(std::string& word)
{
    CleanWord(word);
    LowerCaseWord(word);
    return IsValidWord(word);
}

void CountLengths(CWordEngine& engine)
{
    std::fill(std::begin(engine.m_nLengthCount), std::end(engine.m_nLengthCount), 0u);
    const CWordList& words = engine.m_words;
    if (words.order() == CWordList::Order::ByLength) {
        // Each length is one run of the list: two searches find it.
        const auto shorter = [](std::string_view word, std::size_t n) { return word.size() < n; };
        auto from = words.begin();
        for (std::size_t n = MIN_WORD_LENGTH; n <= MAX_WORD_LENGTH; ++n) {
            from = std::lower_bound(from, words.end(), n, shorter);
            const auto to = std::lower_bound(from, words.end(), n + 1, shorter);
            engine.m_nLengthCount[n] = static_cast<uint32_t>(to - from);
            from = to;
        }
        return;
    }
    for (const std::string_view word : words)
        if (word.size() <= MAX_WORD_LENGTH)
            ++engine.m_nLengthCount[word.size()];
}

} // namespace

CWordEngine::CWordEngine() = default;

void CWordEngine::AddWord(std::string& word)
{
    if (CleanAndValidate(word))
        m_words.push_back(word);
}

bool CWordEngine::LoadWordList()
{
    std::string contents;
    m_wordFileResult = ReadRegularFile(m_strFileName, contents);
    if (!m_wordFileResult)
        return false;
    m_wordFileStamp = StampOf(contents);
    contents = ToGameText(std::move(contents), &m_bReadAsUtf8);

    ClearWords();
    m_words.AssignFromLines(std::move(contents), LineToValidWord);
    m_words.SortUnique(true);
    CountLengths(*this);
    return true;
}

bool CWordEngine::SaveWordList()
{
    const std::string bytes = WordListBytes(m_words);
    m_wordFileResult = ReplaceFile(m_strFileName, bytes);
    if (m_wordFileResult)
        m_wordFileStamp = StampOf(bytes);
    return bool(m_wordFileResult);
}

bool CWordEngine::WordFileChangedSinceRead() const
{
    const std::optional<FileStamp> now = StampOfFile(m_strFileName);
    return !now || *now != m_wordFileStamp;
}

void CWordEngine::AddWordsFromText(const std::string& text, int mode)
{
    const bool byLength = mode == SORT_BY_LENGTH;
    const bool merge = m_words.order() == (byLength ? CWordList::Order::ByLength : CWordList::Order::Alphabetical);
    CWordList added;
    std::string word;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        word.assign(text, start, end - start);
        if (CleanAndValidate(word))
            (merge ? added : m_words).push_back(word);
        start = end + 1;
    }
    if (!merge) {
        SortWords(mode);
        return;
    }
    // A few words added to a long sorted list go into their places; the
    // list is not sorted again.
    added.SortUnique(byLength);
    m_words.MergeSorted(added);
    if (byLength)
        CountLengths(*this);
}

void CWordEngine::SortWords(int mode)
{
    m_words.SortUnique(mode == SORT_BY_LENGTH);
    if (mode == SORT_BY_LENGTH)
        CountLengths(*this);
    else
        std::fill(std::begin(m_nLengthCount), std::end(m_nLengthCount), 0u);
}

void CWordEngine::DeleteWord(unsigned index)
{
    DeleteWords({index});
}

void CWordEngine::DeleteWords(std::vector<std::size_t> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::lower_bound(rows.begin(), rows.end(), m_words.size()), rows.end());
    m_words.EraseRows(rows);
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
    if (index >= RULE_COUNT)
        return;
    value = std::clamp(value, kRules[index].lowest, kRules[index].highest);
    switch (index) {
    case RULE_MIN_LETTERS:
        m_nMinLetters = value;
        m_nMaxLetters = std::max(m_nMaxLetters, m_nMinLetters);
        break;
    case RULE_MAX_LETTERS:
        m_nMaxLetters = value;
        m_nMinLetters = std::min(m_nMinLetters, m_nMaxLetters);
        break;
    case RULE_PENALTY:
        m_nHangmanPenalty = std::min(value, m_nTime[GAME_HANGMAN]);
        break;
    default:
        m_nTime[index - RULE_TIME_HANGMAN] = value;
        break;
    }
}

unsigned CWordEngine::GetRule(unsigned index) const
{
    switch (index) {
    case RULE_MIN_LETTERS:
        return m_nMinLetters;
    case RULE_MAX_LETTERS:
        return m_nMaxLetters;
    case RULE_PENALTY:
        return m_nHangmanPenalty;
    default:
        return index < RULE_COUNT ? m_nTime[index - RULE_TIME_HANGMAN] : 0;
    }
}

void CWordEngine::ClearWords()
{
    m_words.clear();
    m_hints.clear();
    std::fill(std::begin(m_nLengthCount), std::end(m_nLengthCount), 0u);
}

void CWordEngine::CopyWordsFrom(const CWordEngine& source)
{
    if (source.m_words.empty() || &source == this)
        return;
    ClearWords();
    m_words = source.m_words;
    m_hints = source.m_hints;
    SortWords(SORT_BY_LENGTH);
}

std::string CWordEngine::HintSentence() const
{
    const auto found = m_hints.find(m_strAnswer[0]);
    return found == m_hints.end() ? std::string() : found->second;
}
