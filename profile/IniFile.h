#pragma once

#include "engine/SafeFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A Windows profile (INI) file held in memory, read and changed the way the
// Win32 profile functions do it, so that files move freely between this
// program and the Windows one:
// - section and key names match without regard to ASCII case, and only the
//   first of two equal sections or keys counts;
// - blanks (space, tab) around names and values are ignored, and a value in
//   one matching pair of quotes is read without them;
// - a line whose first non-blank byte is ';' is a comment; comments, blank
//   lines, lines without '=' and lines before the first section are kept
//   where they stand;
// - CR LF, LF and CR all end a line on read; written files use CR LF.
//
// The file's bytes are kept as read, and each line is one 32-bit reference
// into them (or into the lines changed since), each section 12 bytes, so
// that a large foreign file of any shape costs little more memory than its
// size. Lookups go through a table of sections and an index of each
// section's keys, made when the section is first asked for.
class CIniFile {
public:
    // `bytes` must be under 2 GB (files over 256 MB are never read).
    static CIniFile Parse(std::string bytes);

    // A missing file reads as empty. A failure when the file exists but
    // cannot be read; the object is then empty.
    FileResult Load(const std::string& path);
    // The whole file in one safe replacement (SafeFile.h).
    FileResult Save(const std::string& path) const;
    std::string Serialize() const;

    // The value of a key, or nothing when the section or key is absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Changes the first matching key in place (keeping the key's spelling),
    // or adds the key after the last key of its section, or adds the section
    // at the end. CR and LF in the value become blanks.
    void Set(std::string_view section, std::string_view key, std::string_view value);

private:
    // A line: an offset into m_bytes, or with kChanged set an index into
    // m_changed.
    using LineRef = std::uint32_t;
    static constexpr LineRef kChanged = LineRef{1} << 31;

    // A section's lines are a run of m_lines until a key is added to it;
    // then they move to a vector of their own in its Details.
    struct Section {
        LineRef header = 0;
        std::uint32_t first = 0, count = 0; // its run of m_lines
    };
    // Made for the few sections that are searched or changed.
    struct Details {
        bool ownLines = false;
        std::vector<LineRef> lines;
        // Open addressing over the first line of each key: 1 + its position
        // in the section's lines (0: a free slot), and its name's hash, so
        // that a probe reads a line's text only when the hashes agree.
        std::vector<std::pair<std::uint32_t, std::uint32_t>> keyIndex;
        std::size_t indexedKeys = 0;
        std::size_t afterLastKey = 0; // where a new key goes
    };

    static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
    std::string_view Text(LineRef line) const;
    std::size_t SectionIndex(std::string_view section) const;
    void IndexSection(std::size_t index);
    // The section's first line; its lines follow it.
    const LineRef* LinesOf(std::size_t section) const;
    std::size_t LineCount(std::size_t section) const;
    Details& DetailsOf(std::size_t section) const;
    // The position in the section's lines of the first line of `key`, or -1.
    std::ptrdiff_t FindKey(std::size_t section, std::string_view key) const;
    void IndexKey(Details& details, const LineRef* lines, std::size_t position, std::uint32_t hash) const;
    void BuildIndex(std::size_t section) const;
    LineRef AddChanged(std::string text);

    std::string m_bytes;
    std::vector<std::string> m_changed;
    std::vector<LineRef> m_preamble;
    std::vector<LineRef> m_lines;
    std::vector<Section> m_sections;
    // Open addressing over the first section of each name: 1 + its index.
    std::vector<std::uint32_t> m_sectionTable;
    mutable std::unordered_map<std::size_t, Details> m_details;
};
