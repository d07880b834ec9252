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
// into them (or into the lines changed since), so that a large foreign file
// costs little more memory than its size. Lookups go through an index of
// each section's keys, made when the section is first asked for.
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

    struct Section {
        LineRef header = 0;
        std::vector<LineRef> lines;
        // Open addressing: 1 + the position in `lines` of the first line of
        // each key, 0 for a free slot; empty until the section is searched.
        mutable std::vector<std::uint32_t> keyIndex;
        mutable std::size_t indexedKeys = 0;
        mutable std::size_t afterLastKey = 0; // where a new key goes
    };

    static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
    std::string_view Text(LineRef line) const;
    std::size_t SectionIndex(std::string_view section) const;
    // The position in the section's lines of the first line of `key`, or -1.
    std::ptrdiff_t FindKey(const Section& section, std::string_view key) const;
    void IndexKey(const Section& section, std::size_t position) const;
    void BuildIndex(const Section& section) const;
    LineRef AddChanged(std::string text);

    std::string m_bytes;
    std::vector<std::string> m_changed;
    std::vector<LineRef> m_preamble;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_firstSection;
};
