#include "profile/AppFolders.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

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

// A first start on a full disk leaves no half list, and the next start copies
// it whole; copied once, the player's own list is never replaced.
TEST(AppFolders, InstalledProgramUsesThePlayersDataFolder)
{
    TempFolder prefix;
    const fs::path bin = prefix.Path() / "bin", share = prefix.Path() / "share" / "ordkamp",
                   data = prefix.Path() / "data", copy = data / "ordkamp" / "ordkamp.se";
    fs::create_directories(bin);
    fs::create_directories(share);
    WriteBytes((share / "ordkamp.se").string(), std::string(64 * 1024, 'a'));
    EXPECT_TRUE(OnAFullDisk([&] { return !DecideAppFolders(bin, data).error.empty(); }))
        << "the failed copy was not reported";
    EXPECT_TRUE(fs::is_empty(data / "ordkamp"));

    const AppFolders first = DecideAppFolders(bin, data);
    EXPECT_EQ(std::tuple(first.files, first.docs, first.error), std::tuple(data / "ordkamp", share, ""));
    EXPECT_EQ(ReadBytes(copy.string()), std::string(64 * 1024, 'a'));
    WriteBytes(copy.string(), "egen\r\n");
    EXPECT_EQ(DecideAppFolders(bin, data).files, data / "ordkamp");
    EXPECT_EQ(ReadBytes(copy.string()), "egen\r\n");

    WriteBytes(prefix.File("not-a-folder"), "");
    EXPECT_EQ(DecideAppFolders(bin, prefix.Path() / "not-a-folder").error,
              (prefix.Path() / "not-a-folder" / "ordkamp").string());
}

} // namespace
