#include "IniFile.h"

#include "SafeFile.h"

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

std::string Fold(std::string_view text)
{
    std::string folded(text);
    for (char& ch : folded)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch + ('a' - 'A'));
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

} // namespace

CIniFile::Line CIniFile::ParseLine(std::string text)
{
    Line line{std::move(text), {}, false};
    const std::string_view trimmed = Trim(line.text);
    const std::size_t equals = trimmed.find('=');
    if (!trimmed.empty() && trimmed.front() != ';' && equals != std::string_view::npos) {
        line.foldedKey = Fold(Trim(trimmed.substr(0, equals)));
        line.hasKey = true;
    }
    return line;
}

CIniFile CIniFile::Parse(std::string_view bytes)
{
    CIniFile file;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        std::string text(bytes.substr(0, end));
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end != std::string_view::npos && bytes[end] == '\r' && next < bytes.size()
            && bytes[next] == '\n')
            ++next;
        bytes.remove_prefix(next);

        if (std::optional<std::string> name = SectionName(text)) {
            file.m_firstSection.emplace(std::move(*name), file.m_sections.size());
            file.m_sections.push_back({std::move(text), {}});
        } else if (file.m_sections.empty()) {
            file.m_preamble.push_back(std::move(text));
        } else {
            file.m_sections.back().lines.push_back(ParseLine(std::move(text)));
        }
    }
    return file;
}

FileResult CIniFile::Load(const std::string& path)
{
    *this = CIniFile{};
    std::string bytes;
    const FileResult read = ReadRegularFile(path, bytes);
    if (read)
        *this = Parse(bytes);
    return read.error == FileError::Missing ? FileResult{} : read;
}

FileResult CIniFile::Save(const std::string& path) const
{
    return ReplaceFile(path, Serialize());
}

std::string CIniFile::Serialize() const
{
    std::string bytes;
    const auto put = [&](const std::string& line) {
        bytes += line;
        bytes += "\r\n";
    };
    std::for_each(m_preamble.begin(), m_preamble.end(), put);
    for (const Section& section : m_sections) {
        put(section.header);
        for (const Line& line : section.lines)
            put(line.text);
    }
    return bytes;
}

std::size_t CIniFile::SectionIndex(std::string_view section) const
{
    const auto found = m_firstSection.find(Fold(Trim(section)));
    return found == m_firstSection.end() ? kNoSection : found->second;
}

std::optional<std::string> CIniFile::Get(std::string_view section, std::string_view key) const
{
    const std::size_t index = SectionIndex(section);
    if (index == kNoSection)
        return std::nullopt;
    const std::string folded = Fold(Trim(key));
    for (const Line& line : m_sections[index].lines)
        if (line.hasKey && line.foldedKey == folded)
            return std::string(ValueOf(line.text));
    return std::nullopt;
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
        m_sections.push_back({std::move(header), {}});
    }
    std::vector<Line>& lines = m_sections[index].lines;

    const std::string folded = Fold(Trim(key));
    std::size_t afterLastKey = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].hasKey)
            continue;
        if (lines[i].foldedKey == folded) {
            const std::string_view trimmed = Trim(lines[i].text);
            lines[i].text = std::string(Trim(trimmed.substr(0, trimmed.find('=')))) + "=" + text;
            return;
        }
        afterLastKey = i + 1;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(afterLastKey),
                 ParseLine(std::string(key) + "=" + text));
}
