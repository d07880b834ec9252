#include "profile/IniFile.h"

#include "engine/SafeFile.h"

#include <algorithm>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char FoldChar(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + ('a' - 'A')) : ch;
}

// The name of a section header line (as written, trimmed), or nothing for
// other lines. The name ends at the first ']'; the rest of the line does
// not count.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

std::string_view ValueOf(std::string_view line)
{
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

std::string WithoutLineBreaks(std::string_view value)
{
    std::string text(value);
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::size_t LineEnd(std::string_view bytes, std::size_t start)
{
    while (start < bytes.size() && bytes[start] != '\r' && bytes[start] != '\n')
        ++start;
    return start;
}

// Calls `take(start)` for the start of every line; CR LF, LF and CR end one.
template <typename Take>
void ForEachLine(std::string_view bytes, Take&& take)
{
    std::size_t start = 0;
    while (start < bytes.size()) {
        take(start);
        const std::size_t end = LineEnd(bytes, start);
        start = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++start;
    }
}

// The key of a line that holds one (trimmed, as written), or nothing.
std::optional<std::string_view> KeyOf(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    const std::size_t equals = trimmed.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    return Trim(trimmed.substr(0, equals));
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldChar(a[i]) != FoldChar(b[i]))
            return false;
    return true;
}

std::uint32_t HashName(std::string_view name)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char ch : name)
        hash = (hash ^ static_cast<unsigned char>(FoldChar(ch))) * 1099511628211ull;
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// A power of two of at least twice `count` (and 8) slots.
std::size_t TableSize(std::size_t count)
{
    std::size_t size = 8;
    while (size < 2 * count)
        size *= 2;
    return size;
}

} // namespace

CIniFile CIniFile::Parse(std::string bytes)
{
    CIniFile file;
    file.m_bytes = std::move(bytes);
    const std::string_view all = file.m_bytes;

    // Two passes: the first counts, so that the second fills vectors of
    // exactly their size.
    std::size_t sections = 0, lines = 0, preamble = 0;
    ForEachLine(all, [&](std::size_t start) {
        if (SectionName(all.substr(start, LineEnd(all, start) - start)))
            ++sections;
        else
            ++(sections == 0 ? preamble : lines);
    });
    file.m_preamble.reserve(preamble);
    file.m_sections.reserve(sections);
    file.m_lines.reserve(lines);
    ForEachLine(all, [&](std::size_t start) {
        const auto line = static_cast<LineRef>(start);
        if (SectionName(all.substr(start, LineEnd(all, start) - start))) {
            file.m_sections.push_back({line, static_cast<std::uint32_t>(file.m_lines.size()), 0});
        } else if (file.m_sections.empty()) {
            file.m_preamble.push_back(line);
        } else {
            file.m_lines.push_back(line);
            ++file.m_sections.back().count;
        }
    });
    file.m_sectionTable.assign(TableSize(file.m_sections.size()), 0);
    for (std::size_t index = 0; index < file.m_sections.size(); ++index)
        file.IndexSection(index);
    return file;
}

FileResult CIniFile::Load(const std::string& path)
{
    *this = CIniFile{};
    std::string bytes;
    const FileResult read = ReadRegularFile(path, bytes);
    if (read)
        *this = Parse(std::move(bytes));
    return read.error == FileError::Missing ? FileResult{} : read;
}

FileResult CIniFile::Save(const std::string& path) const
{
    return ReplaceFile(path, Serialize());
}

std::string CIniFile::Serialize() const
{
    std::string bytes;
    bytes.reserve(m_bytes.size() + 64);
    const auto put = [&](LineRef line) {
        bytes += Text(line);
        bytes += "\r\n";
    };
    std::for_each(m_preamble.begin(), m_preamble.end(), put);
    for (std::size_t index = 0; index < m_sections.size(); ++index) {
        put(m_sections[index].header);
        const LineRef* lines = LinesOf(index);
        std::for_each(lines, lines + LineCount(index), put);
    }
    return bytes;
}

std::string_view CIniFile::Text(LineRef line) const
{
    if (line & kChanged)
        return m_changed[line & ~kChanged];
    const std::string_view all = m_bytes;
    return all.substr(line, LineEnd(all, line) - line);
}

CIniFile::LineRef CIniFile::AddChanged(std::string text)
{
    m_changed.push_back(std::move(text));
    return static_cast<LineRef>(m_changed.size() - 1) | kChanged;
}

CIniFile::Details& CIniFile::DetailsOf(std::size_t section) const
{
    return m_details[section];
}

const CIniFile::LineRef* CIniFile::LinesOf(std::size_t section) const
{
    const auto details = m_details.find(section);
    if (details != m_details.end() && details->second.ownLines)
        return details->second.lines.data();
    return m_lines.data() + m_sections[section].first;
}

std::size_t CIniFile::LineCount(std::size_t section) const
{
    const auto details = m_details.find(section);
    if (details != m_details.end() && details->second.ownLines)
        return details->second.lines.size();
    return m_sections[section].count;
}

void CIniFile::IndexSection(std::size_t index)
{
    // Only the first of two equal sections counts.
    const std::string_view name = *SectionName(Text(m_sections[index].header));
    const std::size_t mask = m_sectionTable.size() - 1;
    for (std::size_t slot = HashName(name) & mask;; slot = (slot + 1) & mask) {
        if (m_sectionTable[slot] == 0) {
            m_sectionTable[slot] = static_cast<std::uint32_t>(index + 1);
            return;
        }
        if (SameName(*SectionName(Text(m_sections[m_sectionTable[slot] - 1].header)), name))
            return;
    }
}

std::size_t CIniFile::SectionIndex(std::string_view section) const
{
    section = Trim(section);
    if (m_sectionTable.empty())
        return kNoSection;
    const std::size_t mask = m_sectionTable.size() - 1;
    for (std::size_t slot = HashName(section) & mask; m_sectionTable[slot] != 0; slot = (slot + 1) & mask) {
        const std::size_t index = m_sectionTable[slot] - 1;
        if (SameName(*SectionName(Text(m_sections[index].header)), section))
            return index;
    }
    return kNoSection;
}

void CIniFile::IndexKey(Details& details, const LineRef* lines, std::size_t position, std::uint32_t hash) const
{
    // Kept at a load of at most 4/5; it grows with the keys, so a section of
    // one key repeated a million times costs one slot, not a million.
    auto& slots = details.keyIndex;
    if ((details.indexedKeys + 1) * 5 > slots.size() * 4) {
        auto old = std::move(slots);
        slots.assign(old.size() * 2, {0, 0});
        const std::size_t mask = slots.size() - 1;
        for (const auto& entry : old) {
            if (entry.first == 0)
                continue;
            std::size_t slot = entry.second & mask;
            while (slots[slot].first != 0)
                slot = (slot + 1) & mask;
            slots[slot] = entry;
        }
    }
    const std::string_view key = *KeyOf(Text(lines[position]));
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        if (slots[slot].first == 0) {
            slots[slot] = {static_cast<std::uint32_t>(position + 1), hash};
            ++details.indexedKeys;
            return;
        }
        if (slots[slot].second == hash && SameName(*KeyOf(Text(lines[slots[slot].first - 1])), key))
            return; // only the first of two equal keys counts
    }
}

void CIniFile::BuildIndex(std::size_t section) const
{
    Details& details = DetailsOf(section);
    details.keyIndex.assign(8, {0, 0});
    details.indexedKeys = 0;
    details.afterLastKey = 0;
    const std::size_t count = LineCount(section);
    const LineRef* lines = LinesOf(section);
    for (std::size_t position = 0; position < count; ++position) {
        if (const std::optional<std::string_view> key = KeyOf(Text(lines[position]))) {
            IndexKey(details, lines, position, HashName(*key));
            details.afterLastKey = position + 1;
        }
    }
}

std::ptrdiff_t CIniFile::FindKey(std::size_t section, std::string_view key) const
{
    const Details& details = DetailsOf(section);
    if (details.keyIndex.empty())
        BuildIndex(section);
    const auto& slots = details.keyIndex;
    const LineRef* lines = LinesOf(section);
    const std::uint32_t hash = HashName(key);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = hash & mask; slots[slot].first != 0; slot = (slot + 1) & mask)
        if (slots[slot].second == hash && SameName(*KeyOf(Text(lines[slots[slot].first - 1])), key))
            return static_cast<std::ptrdiff_t>(slots[slot].first - 1);
    return -1;
}

std::optional<std::string> CIniFile::Get(std::string_view section, std::string_view key) const
{
    const std::size_t index = SectionIndex(section);
    if (index == kNoSection)
        return std::nullopt;
    const std::ptrdiff_t position = FindKey(index, Trim(key));
    if (position < 0)
        return std::nullopt;
    return std::string(ValueOf(Text(LinesOf(index)[position])));
}

void CIniFile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string text = WithoutLineBreaks(value);
    std::size_t index = SectionIndex(section);
    if (index == kNoSection) {
        index = m_sections.size();
        // Appended piece by piece: `"[" + std::string(...)` sets off g++ 12's
        // false -Wrestrict alarm at -O3 (GCC bug 105651).
        std::string header(1, '[');
        header.append(section).push_back(']');
        m_sections.push_back({AddChanged(std::move(header)), static_cast<std::uint32_t>(m_lines.size()), 0});
        if (m_sections.size() * 2 > m_sectionTable.size()) {
            m_sectionTable.assign(TableSize(m_sections.size()), 0);
            for (std::size_t i = 0; i < m_sections.size(); ++i)
                IndexSection(i);
        } else {
            IndexSection(index);
        }
    }

    const std::ptrdiff_t found = FindKey(index, Trim(key));
    Details& details = DetailsOf(index);
    if (found >= 0) {
        const auto position = static_cast<std::size_t>(found);
        LineRef& line = details.ownLines ? details.lines[position] : m_lines[m_sections[index].first + position];
        std::string changed = std::string(*KeyOf(Text(line))) + "=" + text;
        if (line & kChanged)
            m_changed[line & ~kChanged] = std::move(changed);
        else
            line = AddChanged(std::move(changed));
        return;
    }
    if (!details.ownLines) { // a key added: the section's lines become its own
        const Section& run = m_sections[index];
        details.lines.assign(m_lines.begin() + run.first, m_lines.begin() + run.first + run.count);
        details.ownLines = true;
    }
    // After the last key: only lines without keys follow it, so no indexed
    // position moves.
    const std::size_t position = details.afterLastKey++;
    details.lines.insert(details.lines.begin() + static_cast<std::ptrdiff_t>(position),
                         AddChanged(std::string(key) + "=" + text));
    IndexKey(details, details.lines.data(), position, HashName(Trim(key)));
}
