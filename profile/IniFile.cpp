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

std::string Fold(std::string_view text)
{
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldChar);
    return folded;
}

// The folded name of a section header line, or nothing for other lines. The
// name ends at the first ']'; the rest of the line does not count.
std::optional<std::string> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Fold(Trim(line.substr(0, line.find(']'))));
}

std::string_view ValueOf(std::string_view line)
{
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
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

std::size_t HashName(std::string_view name)
{
    std::size_t hash = 14695981039346656037ull;
    for (const char ch : name)
        hash = (hash ^ static_cast<unsigned char>(FoldChar(ch))) * 1099511628211ull;
    return hash;
}

} // namespace

CIniFile CIniFile::Parse(std::string bytes)
{
    CIniFile file;
    file.m_bytes = std::move(bytes);
    const std::string_view all = file.m_bytes;

    // Two passes: the first counts each section's lines, so that the second
    // fills vectors of exactly their size.
    std::vector<std::size_t> counts;
    std::size_t preamble = 0;
    ForEachLine(all, [&](std::size_t start) {
        if (SectionName(all.substr(start, LineEnd(all, start) - start)))
            counts.push_back(0);
        else
            ++(counts.empty() ? preamble : counts.back());
    });
    file.m_preamble.reserve(preamble);
    file.m_sections.reserve(counts.size());
    ForEachLine(all, [&](std::size_t start) {
        const auto line = static_cast<LineRef>(start);
        if (std::optional<std::string> name = SectionName(all.substr(start, LineEnd(all, start) - start))) {
            file.m_firstSection.emplace(std::move(*name), file.m_sections.size());
            file.m_sections.emplace_back().header = line;
            file.m_sections.back().lines.reserve(counts[file.m_sections.size() - 1]);
        } else if (file.m_sections.empty()) {
            file.m_preamble.push_back(line);
        } else {
            file.m_sections.back().lines.push_back(line);
        }
    });
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
    for (const Section& section : m_sections) {
        put(section.header);
        std::for_each(section.lines.begin(), section.lines.end(), put);
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

std::size_t CIniFile::SectionIndex(std::string_view section) const
{
    const auto found = m_firstSection.find(Fold(Trim(section)));
    return found == m_firstSection.end() ? kNoSection : found->second;
}

void CIniFile::IndexKey(const Section& section, std::size_t position) const
{
    // Kept at a load of at most 4/5; it grows with the keys, so a section of
    // one key repeated a million times costs one slot, not a million.
    if ((section.indexedKeys + 1) * 5 > section.keyIndex.size() * 4) {
        std::vector<std::uint32_t> old = std::move(section.keyIndex);
        section.keyIndex.assign(old.size() * 2, 0);
        section.indexedKeys = 0;
        for (const std::uint32_t slot : old)
            if (slot != 0)
                IndexKey(section, slot - 1);
    }
    const std::string_view key = *KeyOf(Text(section.lines[position]));
    std::vector<std::uint32_t>& slots = section.keyIndex;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = HashName(key) & mask;; slot = (slot + 1) & mask) {
        if (slots[slot] == 0) {
            slots[slot] = static_cast<std::uint32_t>(position + 1);
            ++section.indexedKeys;
            return;
        }
        if (SameName(*KeyOf(Text(section.lines[slots[slot] - 1])), key))
            return; // only the first of two equal keys counts
    }
}

void CIniFile::BuildIndex(const Section& section) const
{
    section.keyIndex.assign(8, 0);
    section.indexedKeys = 0;
    section.afterLastKey = 0;
    for (std::size_t position = 0; position < section.lines.size(); ++position) {
        if (KeyOf(Text(section.lines[position]))) {
            IndexKey(section, position);
            section.afterLastKey = position + 1;
        }
    }
}

std::ptrdiff_t CIniFile::FindKey(const Section& section, std::string_view key) const
{
    if (section.keyIndex.empty())
        BuildIndex(section);
    const std::vector<std::uint32_t>& slots = section.keyIndex;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = HashName(key) & mask; slots[slot] != 0; slot = (slot + 1) & mask)
        if (SameName(*KeyOf(Text(section.lines[slots[slot] - 1])), key))
            return static_cast<std::ptrdiff_t>(slots[slot] - 1);
    return -1;
}

std::optional<std::string> CIniFile::Get(std::string_view section, std::string_view key) const
{
    const std::size_t index = SectionIndex(section);
    if (index == kNoSection)
        return std::nullopt;
    const Section& found = m_sections[index];
    const std::ptrdiff_t position = FindKey(found, Trim(key));
    if (position < 0)
        return std::nullopt;
    return std::string(ValueOf(Text(found.lines[static_cast<std::size_t>(position)])));
}

void CIniFile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string text = WithoutLineBreaks(value);
    std::size_t index = SectionIndex(section);
    if (index == kNoSection) {
        index = m_sections.size();
        m_firstSection.emplace(Fold(Trim(section)), index);
        // Appended piece by piece: `"[" + std::string(...)` sets off g++ 12's
        // false -Wrestrict alarm at -O3 (GCC bug 105651).
        std::string header(1, '[');
        header.append(section).push_back(']');
        m_sections.emplace_back().header = AddChanged(std::move(header));
    }
    Section& target = m_sections[index];

    const std::ptrdiff_t found = FindKey(target, Trim(key));
    if (found >= 0) {
        LineRef& line = target.lines[static_cast<std::size_t>(found)];
        std::string changed = std::string(*KeyOf(Text(line))) + "=" + text;
        if (line & kChanged)
            m_changed[line & ~kChanged] = std::move(changed);
        else
            line = AddChanged(std::move(changed));
        return;
    }
    // After the last key: only lines without keys follow it, so no indexed
    // position moves.
    const std::size_t position = target.afterLastKey++;
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(position),
                        AddChanged(std::string(key) + "=" + text));
    IndexKey(target, position);
}
