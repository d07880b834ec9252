#include "profile/AppFolders.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

namespace fs = std::filesystem;

TEST(AppFolders, BuildFolderAndPortableCopyKeepEverythingBesideTheProgram)
{
    for (const char* marker : {"ordkamp.se", "ordkamp.ini"}) {
        TempFolder folder;
        WriteBytes(folder.File(marker), "");
        const AppFolders decided = DecideAppFolders(folder.Path(), folder.Path() / "data");
        EXPECT_EQ(std::tuple(decided.files, decided.docs, decided.error), std::tuple(folder.Path(), folder.Path(), ""));
        EXPECT_FALSE(fs::exists(folder.Path() / "data")) << marker;
    }
}

TEST(AppFolders, InstalledProgramUsesThePlayersDataFolder)
{
    TempFolder prefix;
    fs::create_directories(prefix.Path() / "bin");
    fs::create_directories(prefix.Path() / "share" / "ordkamp");
    WriteBytes((prefix.Path() / "share" / "ordkamp" / "ordkamp.se").string(), "hus\r\n");
    const fs::path data = prefix.Path() / "home" / ".local" / "share";

    const AppFolders first = DecideAppFolders(prefix.Path() / "bin", data);
    EXPECT_EQ(first.files, data / "ordkamp");
    EXPECT_EQ(first.docs, prefix.Path() / "share" / "ordkamp");
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(ReadBytes((data / "ordkamp" / "ordkamp.se").string()), "hus\r\n");

    // Copied once: the player's own list is never replaced.
    WriteBytes((data / "ordkamp" / "ordkamp.se").string(), "egen\r\n");
    const AppFolders second = DecideAppFolders(prefix.Path() / "bin", data);
    EXPECT_EQ(second.files, data / "ordkamp");
    EXPECT_EQ(ReadBytes((data / "ordkamp" / "ordkamp.se").string()), "egen\r\n");

    WriteBytes(prefix.File("not-a-folder"), "");
    EXPECT_EQ(DecideAppFolders(prefix.Path() / "bin", prefix.Path() / "not-a-folder").error,
              (prefix.Path() / "not-a-folder" / "ordkamp").string());
}

TEST(AppFolders, FirstStartOnAFullDiskLeavesNoHalfList)
{
    TempFolder prefix;
    fs::create_directories(prefix.Path() / "bin");
    fs::create_directories(prefix.Path() / "share" / "ordkamp");
    WriteBytes((prefix.Path() / "share" / "ordkamp" / "ordkamp.se").string(), std::string(64 * 1024, 'a'));
    const fs::path data = prefix.Path() / "data";

    EXPECT_TRUE(OnAFullDisk([&] { return !DecideAppFolders(prefix.Path() / "bin", data).error.empty(); }))
        << "the failed copy was not reported";
    EXPECT_TRUE(fs::is_empty(data / "ordkamp"));
}

TEST(AppFolders, DataHomeFollowsXdg)
{
    const std::optional<std::string> saved =
        getenv("XDG_DATA_HOME") ? std::optional(getenv("XDG_DATA_HOME")) : std::nullopt;
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(UserDataHome(), fs::path("/srv/data"));
    setenv("XDG_DATA_HOME", "relative/path", 1); // not absolute: ignored
    setenv("HOME", getenv("HOME") ? getenv("HOME") : "/root", 1);
    EXPECT_EQ(UserDataHome(), fs::path(getenv("HOME")) / ".local" / "share");
    saved ? setenv("XDG_DATA_HOME", saved->c_str(), 1) : unsetenv("XDG_DATA_HOME");
}

} // namespace
