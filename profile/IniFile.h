#pragma once

#include "SafeFile.h"

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
class CIniFile {
public:
    static CIniFile Parse(std::string_view bytes);

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
    struct Line {
        std::string text;
        std::string foldedKey; // empty for lines that hold no key
        bool hasKey = false;
    };
    struct Section {
        std::string header;
        std::vector<Line> lines;
    };

    static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
    std::size_t SectionIndex(std::string_view section) const;
    static Line ParseLine(std::string text);

    std::vector<std::string> m_preamble;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_firstSection;
};
