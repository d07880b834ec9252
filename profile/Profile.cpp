#include "profile/Profile.h"

#include "profile/IniFile.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace {

// Room the Windows program reads a text into: 511 bytes and the terminator.
constexpr std::size_t kMaxTextLength = 511;

std::string& AppPathOverride()
{
    static std::string folder;
    return folder;
}

struct DecidedFolders {
    std::string files, docs;
};

DecidedFolders& Decided()
{
    static DecidedFolders folders;
    return folders;
}

std::filesystem::path ProgramFile()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) / "ordkamp" : self;
}

std::string WithSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != std::filesystem::path::preferred_separator)
        folder += std::filesystem::path::preferred_separator;
    return folder;
}

CIniFile ReadProfile(const char* file, bool inAppDir)
{
    CIniFile ini;
    ini.Load(ProfilePath(file, inAppDir));
    return ini;
}

} // namespace

std::string GetAppPath(bool directoryOnly)
{
    const std::filesystem::path program = ProgramFile();
    if (!directoryOnly)
        return program.string();
    if (!AppPathOverride().empty())
        return WithSeparator(AppPathOverride());
    if (!Decided().files.empty())
        return WithSeparator(Decided().files);
    return WithSeparator(program.parent_path().string());
}

std::string GetDocPath()
{
    if (AppPathOverride().empty() && !Decided().docs.empty())
        return WithSeparator(Decided().docs);
    return GetAppPath(true);
}

void SetAppFolders(const std::string& files, const std::string& docs)
{
    Decided() = {files, docs};
}

void SetAppPathOverride(const std::string& folder)
{
    AppPathOverride() = folder;
}

std::string ProfilePath(const char* file, bool inAppDir)
{
    return inAppDir ? GetAppPath(true) + file : std::string(file);
}

int ProfileInt(const std::string& value, int def)
{
    if (value.empty())
        return def;
    std::size_t i = 0;
    const bool negative = value[0] == '-';
    if (value[0] == '-' || value[0] == '+')
        ++i;
    uint32_t number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        number = number * 10u + static_cast<uint32_t>(value[i] - '0');
    return static_cast<int>(negative ? 0u - number : number);
}

std::string ProfileString(std::string value)
{
    if (value.size() > kMaxTextLength)
        value.resize(kMaxTextLength);
    return value;
}

int GetIniInt(const char* section, const char* key, int def, const char* file, bool inAppDir)
{
    const std::optional<std::string> value = ReadProfile(file, inAppDir).Get(section, key);
    return value ? ProfileInt(*value, def) : def;
}

std::string GetIniString(const char* section, const char* key, const char* def, const char* file, bool inAppDir)
{
    const std::optional<std::string> value = ReadProfile(file, inAppDir).Get(section, key);
    return value ? ProfileString(*value) : std::string(def ? def : "");
}

bool WriteIniInt(const char* section, const char* key, int value, const char* file, bool inAppDir)
{
    return WriteIniString(section, key, std::to_string(value).c_str(), file, inAppDir);
}

bool WriteIniString(const char* section, const char* key, const char* value, const char* file, bool inAppDir)
{
    const std::string path = ProfilePath(file, inAppDir);
    CIniFile ini;
    if (!ini.Load(path))
        return false; // an unreadable file is not replaced by a nearly empty one
    ini.Set(section, key, value ? value : "");
    return bool(ini.Save(path));
}
