// The profile-file reader and writer: any bytes parse; a key written into
// them reads back as the Windows reading rules say, and nothing else that
// could be read changes.

#include "Check.h"
#include "profile/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

std::string Expected(std::string value)
{
    std::replace_if(
        value.begin(), value.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    const std::size_t first = value.find_first_not_of(" \t"), last = value.find_last_not_of(" \t");
    value = first == std::string::npos ? std::string() : value.substr(first, last - first + 1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The last quarter of the input is the value to write; the rest the file.
    const std::size_t split = size - size / 4;
    const std::string file = bytes.substr(0, split);
    const std::string value = bytes.substr(split);
    const std::string section = size % 2 ? "HangMan" : "Settings";

    CIniFile ini = CIniFile::Parse(file);
    const auto otherBefore = ini.Get("Settings", "Mini");
    ini.Set(section, "name7", value);
    const std::string written = ini.Serialize();

    const CIniFile reread = CIniFile::Parse(written);
    const auto readBack = reread.Get(section, "NAME7");
    Check(readBack && *readBack == Expected(value));
    Check(section == "Settings" || reread.Get("Settings", "Mini") == otherBefore);
    Check(CIniFile::Parse(reread.Serialize()).Serialize() == reread.Serialize()); // a written file is stable
    return 0;
}
