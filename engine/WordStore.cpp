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
    for (const std::string& word : engine.m_words)
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
    m_bReadAsUtf8 = IsUtf8Text(contents);
    if (m_bReadAsUtf8)
        contents = Utf8ToWindows1252(contents);

    // The accepted words are gathered in one buffer and sorted as views into
    // it, so that each word's string is made once, in its final place. A word
    // is never longer than its line, so the buffer never outgrows the file's
    // size and never moves: the views stay valid.
    std::string accepted;
    accepted.reserve(contents.size());
    std::vector<std::string_view> views;
    std::string line;
    ForEachLineCandidate(contents, [&](std::string_view candidate) {
        line.assign(candidate);
        if (CleanAndValidate(line)) {
            views.emplace_back(accepted.data() + accepted.size(), line.size());
            accepted += line;
        }
    });

    ClearWords();
    const std::vector<uint32_t> order = UniqueWordOrder(views, true);
    m_words.reserve(order.size());
    for (const uint32_t i : order)
        m_words.emplace_back(views[i]);
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
    const std::vector<std::string_view> views(m_words.begin(), m_words.end());
    const std::vector<uint32_t> order = UniqueWordOrder(views, mode == SORT_BY_LENGTH);
    std::vector<std::string> sorted;
    sorted.reserve(order.size());
    for (const uint32_t i : order)
        sorted.push_back(std::move(m_words[i]));
    m_words.swap(sorted);

    if (mode == SORT_BY_LENGTH)
        CountLengths(*this);
    else
        std::fill(std::begin(m_nLengthCount), std::end(m_nLengthCount), 0u);
}

void CWordEngine::DeleteWord(unsigned index)
{
    if (index < m_words.size())
        m_words.erase(m_words.begin() + index);
}

void CWordEngine::DeleteWords(std::vector<std::size_t> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // One pass: each kept word moves once, however many go.
    std::size_t out = rows.empty() ? m_words.size() : std::min(rows.front(), m_words.size());
    auto next = rows.begin();
    for (std::size_t in = out; in < m_words.size(); ++in) {
        if (next != rows.end() && *next == in) {
            ++next;
            continue;
        }
        m_words[out++] = std::move(m_words[in]);
    }
    m_words.resize(out);
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
    case RULE_MIN_LETTERS: return m_nMinLetters;
    case RULE_MAX_LETTERS: return m_nMaxLetters;
    case RULE_PENALTY: return m_nHangmanPenalty;
    default: return index < RULE_COUNT ? m_nTime[index - RULE_TIME_HANGMAN] : 0;
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
