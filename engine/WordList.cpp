#include "engine/WordList.h"

#include "engine/WordFile.h"
#include "engine/WordOrder.h"

#include <algorithm>
#include <array>

CWordList::CWordList(std::initializer_list<std::string_view> words)
{
    for (const std::string_view word : words)
        push_back(word);
}

void CWordList::push_back(std::string_view word)
{
    m_offsets.push_back(static_cast<uint32_t>(m_text.size()));
    m_text += static_cast<char>(std::min<std::size_t>(word.size(), 255));
    m_text += word.substr(0, 255);
    m_order = Order::None;
}

void CWordList::clear()
{
    m_text.clear();
    m_offsets.clear();
    m_deadBytes = 0;
    m_order = Order::None;
}

void CWordList::EraseRows(const std::vector<std::size_t>& rows)
{
    if (rows.empty())
        return;
    // One pass: each kept offset moves once, however many go.
    std::size_t out = rows.front();
    auto next = rows.begin();
    for (std::size_t in = out; in < m_offsets.size(); ++in) {
        if (next != rows.end() && *next == in) {
            m_deadBytes += 1 + (*this)[in].size();
            ++next;
            continue;
        }
        m_offsets[out++] = m_offsets[in];
    }
    m_offsets.resize(out);
    if (m_deadBytes > m_text.size() / 2)
        Compact();
}

void CWordList::AssignFromLines(std::string&& contents,
                                const std::function<bool(std::string_view, std::string&)>& clean)
{
    clear();
    m_text = std::move(contents);
    std::size_t written = 0;
    std::string word;
    ForEachLineCandidate(m_text, [&](std::string_view line) {
        if (!clean(line, word))
            return;
        // A word and its length byte end at most where the line's line feed
        // is, so the lines not yet read are never overwritten. Only a last
        // line without a line feed may need one byte more.
        if (written + 1 + word.size() > m_text.size())
            m_text.resize(written + 1 + word.size());
        m_offsets.push_back(static_cast<uint32_t>(written));
        m_text[written++] = static_cast<char>(word.size());
        std::copy(word.begin(), word.end(), m_text.begin() + static_cast<std::ptrdiff_t>(written));
        written += word.size();
    });
    m_text.resize(written);
}

void CWordList::SortUnique(bool byLength)
{
    const Order wanted = byLength ? Order::ByLength : Order::Alphabetical;
    if (m_order == wanted)
        return;
    // A list the game saved is in this order already: one pass tells, and
    // any other list fails it within its first few words.
    if (std::adjacent_find(
            begin(), end(),
            [byLength](std::string_view a, std::string_view b) { return !WordComesFirst(a, b, byLength); })
        == end()) {
        m_order = wanted;
        return;
    }
    if (byLength && m_order == Order::Alphabetical) {
        // Within one length the two orders agree, so a stable distribution
        // by length is the whole sort.
        std::size_t start[257] = {};
        for (const std::string_view word : *this)
            ++start[word.size() + 1];
        for (std::size_t n = 1; n < 257; ++n)
            start[n] += start[n - 1];
        std::vector<uint32_t> sorted(m_offsets.size());
        for (const uint32_t offset : m_offsets)
            sorted[start[static_cast<unsigned char>(m_text[offset])]++] = offset;
        m_offsets.swap(sorted);
        m_order = wanted;
        return;
    }
    std::vector<uint64_t> keys(m_offsets.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = WordSortKey((*this)[i], byLength);
    SortByKey(keys.data(), m_offsets.data(), keys.size());

    // Byte-equal words have equal keys, so the full comparison and the
    // duplicate check only look inside runs of equal keys.
    const auto wordAt = [this](uint32_t offset) {
        return std::string_view(m_text.data() + offset + 1, static_cast<unsigned char>(m_text[offset]));
    };
    std::size_t out = 0;
    for (std::size_t run = 0; run < keys.size();) {
        std::size_t end = run + 1;
        while (end < keys.size() && keys[end] == keys[run])
            ++end;
        if (end - run > 1)
            std::sort(m_offsets.begin() + static_cast<std::ptrdiff_t>(run),
                      m_offsets.begin() + static_cast<std::ptrdiff_t>(end), [&](uint32_t a, uint32_t b) {
                          return WordComesFirstWithEqualKeys(wordAt(a), wordAt(b), byLength);
                      });
        for (std::size_t k = run; k < end; ++k) {
            if (k > run && wordAt(m_offsets[k]) == wordAt(m_offsets[k - 1])) {
                m_deadBytes += 1 + wordAt(m_offsets[k]).size();
                continue;
            }
            m_offsets[out++] = m_offsets[k];
        }
        run = end;
    }
    m_offsets.resize(out);
    m_order = wanted;
    if (m_deadBytes > m_text.size() / 2)
        Compact();
}

void CWordList::MergeSorted(const CWordList& added)
{
    const bool byLength = m_order == Order::ByLength;
    const auto before = [byLength](std::string_view a, std::string_view b) { return WordComesFirst(a, b, byLength); };
    const std::size_t base = m_text.size();
    std::vector<uint32_t> merged;
    merged.reserve(m_offsets.size() + added.size());
    auto from = begin();
    for (std::size_t i = 0; i < added.size(); ++i) {
        const std::string_view word = added[i];
        const auto place = std::lower_bound(from, end(), word, before);
        merged.insert(merged.end(), m_offsets.begin() + (from - begin()), m_offsets.begin() + (place - begin()));
        from = place;
        if (place != end() && *place == word)
            continue;
        merged.push_back(static_cast<uint32_t>(base + added.m_offsets[i]));
    }
    merged.insert(merged.end(), m_offsets.begin() + (from - begin()), m_offsets.end());
    m_text += added.m_text;
    m_offsets.swap(merged);
}

bool operator==(const CWordList& a, const CWordList& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

void CWordList::Compact()
{
    std::string text;
    text.reserve(m_text.size() - m_deadBytes);
    for (uint32_t& offset : m_offsets) {
        const std::size_t bytes = 1 + static_cast<unsigned char>(m_text[offset]);
        const uint32_t moved = static_cast<uint32_t>(text.size());
        text.append(m_text, offset, bytes);
        offset = moved;
    }
    m_text.swap(text);
    m_deadBytes = 0;
}

std::string DistinctLetters(const CWordList& words)
{
    std::array<bool, 256> used{};
    for (const std::string_view word : words)
        for (const char letter : word)
            used[static_cast<unsigned char>(letter)] = true;
    std::string letters;
    for (unsigned byte = 1; byte < used.size(); ++byte)
        if (used[byte])
            letters += static_cast<char>(byte);
    return letters;
}
