#include "profile/AppFolders.h"

#include "engine/SafeFile.h"
#include "profile/Profile.h"

#include <cstdlib>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kWordList = "ordkamp.se";
constexpr const char* kSettings = "ordkamp.ini";

bool Exists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

} // namespace

AppFolders DecideAppFolders(const fs::path& programFolder, const fs::path& dataHome)
{
    if (Exists(programFolder / kWordList) || Exists(programFolder / kSettings))
        return {programFolder, programFolder, {}};

    AppFolders folders{dataHome / "ordkamp", programFolder.parent_path() / "share" / "ordkamp", {}};
    std::error_code error;
    fs::create_directories(folders.files, error);
    if (error || !fs::is_directory(folders.files)) {
        folders.error = folders.files.string();
        return folders;
    }
    const fs::path installedList = folders.docs / kWordList;
    const fs::path ownList = folders.files / kWordList;
    if (Exists(ownList) || !Exists(installedList))
        return folders;
    // Copied whole or not at all: a half copy (a full disk) would pass for
    // the player's own list on every later start.
    std::string words;
    if (!ReadRegularFile(installedList.string(), words) || !ReplaceFile(ownList.string(), words))
        folders.error = ownList.string();
    return folders;
}

fs::path UserDataHome()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && fs::path(xdg).is_absolute())
        return xdg;
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / ".local" / "share";
}

const AppFolders& SetUpAppFolders()
{
    static const AppFolders folders = [] {
        const AppFolders decided = DecideAppFolders(fs::path(GetAppPath(false)).parent_path(), UserDataHome());
        SetAppFolders(decided.files.string(), decided.docs.string());
        return decided;
    }();
    return folders;
}
