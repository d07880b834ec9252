#include "engine/SafeFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <sys/time.h>

namespace {

namespace fs = std::filesystem;

std::set<std::string> Names(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(entry.path().lexically_relative(folder).string());
    return names;
}

// Each case lays out a folder, replaces "ordkamp.ini" in it and checks what
// is there afterwards. Links only ever point into the test's own folder.
TEST(SafeFile, ReplaceWritesThroughLinksOntoRegularFilesOnly)
{
    const struct {
        const char* what;
        std::function<void(const TempFolder&)> layOut;
        FileError expected;
        const char* whereTheBytesLand; // nullptr: nowhere, and nothing new appears
    } cases[] = {
        {"a new file", [](const TempFolder&) {}, FileError::None, "ordkamp.ini"},
        {"a link into a synced folder",
         [](const TempFolder& f) {
             fs::create_directory(f.File("sync"));
             WriteBytes(f.File("sync/ordkamp.ini"), "old");
             fs::create_symlink("sync/ordkamp.ini", f.File("ordkamp.ini"));
         },
         FileError::None, "sync/ordkamp.ini"},
        {"a chain of links, the last one dangling",
         [](const TempFolder& f) {
             fs::create_symlink(f.File("middle"), f.File("ordkamp.ini"));
             fs::create_symlink("target", f.File("middle"));
         },
         FileError::None, "target"},
        {"a read-only file",
         [](const TempFolder& f) {
             WriteBytes(f.File("ordkamp.ini"), "old");
             fs::permissions(f.File("ordkamp.ini"), fs::perms::owner_read | fs::perms::group_read);
         },
         FileError::ReadOnly, nullptr},
        {"a folder", [](const TempFolder& f) { fs::create_directory(f.File("ordkamp.ini")); }, FileError::NotRegular,
         nullptr},
        {"a link to a FIFO",
         [](const TempFolder& f) {
             ::mkfifo(f.File("fifo").c_str(), 0600);
             fs::create_symlink("fifo", f.File("ordkamp.ini"));
         },
         FileError::NotRegular, nullptr},
        {"a link planted at the old temporary name",
         [](const TempFolder& f) {
             WriteBytes(f.File("victim"), "old");
             fs::create_symlink("victim", f.File("ordkamp.ini.tmp"));
         },
         FileError::None, "ordkamp.ini"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        c.layOut(folder);
        const std::set<std::string> before = Names(folder.Path());
        EXPECT_EQ(ReplaceFile(folder.File("ordkamp.ini"), "new").error, c.expected) << c.what;
        std::set<std::string> expected = before;
        if (c.whereTheBytesLand) {
            EXPECT_EQ(ReadBytes(folder.File(c.whereTheBytesLand)), "new") << c.what;
            expected.insert(c.whereTheBytesLand);
        }
        // Links stay links, no temporary file is left, nothing else is touched.
        EXPECT_EQ(Names(folder.Path()), expected) << c.what;
        for (const std::string& name : before) {
            const bool untouched = (!c.whereTheBytesLand || name != c.whereTheBytesLand)
                && !fs::is_symlink(folder.File(name)) && fs::is_regular_file(folder.File(name));
            EXPECT_TRUE(!untouched || ReadBytes(folder.File(name)) == "old") << c.what << ": " << name;
        }
    }
}

TEST(SafeFile, ReplaceKeepsTheModeAndCleansUpOnlyOldLeftoversOfItsOwn)
{
    TempFolder folder;
    const std::string path = folder.File("ordkamp.ini");
    for (const mode_t mode : {0600, 0664}) {
        WriteBytes(path, "old");
        ::chmod(path.c_str(), mode);
        ASSERT_TRUE(ReplaceFile(path, "new"));
        EXPECT_EQ(fs::status(path).permissions(), fs::perms(mode));
    }
    const std::string oldLeftover = folder.File(".ordkamp.ini.ordkamp-a1B2c3");
    const std::string newLeftover = folder.File(".ordkamp.ini.ordkamp-d4E5f6"); // a save under way
    const std::string notOurs = folder.File(".ordkamp.ini.ordkamp-kept");
    for (const std::string& name : {oldLeftover, newLeftover, notOurs})
        WriteBytes(name, "half");
    const timeval twoHoursAgo[2] = {{time(nullptr) - 7200, 0}, {time(nullptr) - 7200, 0}};
    ::utimes(oldLeftover.c_str(), twoHoursAgo);
    ::utimes(notOurs.c_str(), twoHoursAgo);
    ASSERT_TRUE(ReplaceFile(path, "newer"));
    EXPECT_EQ(std::tuple(fs::exists(oldLeftover), fs::exists(newLeftover), fs::exists(notOurs)),
              std::tuple(false, true, true));
}

TEST(SafeFile, LockIsOneHolderAtATimeSharedThroughLinks)
{
    TempFolder folder;
    fs::create_directory(folder.File("real"));
    fs::create_symlink(folder.File("real/ordkamp.ini"), folder.File("ordkamp.ini")); // not made yet
    std::optional<CFileLock> first(std::in_place, folder.File("real/ordkamp.ini"), 0);
    EXPECT_TRUE(first->Held());
    EXPECT_FALSE(CFileLock(folder.File("ordkamp.ini"), 30).Held()); // the same file through its link
    first.reset();
    EXPECT_TRUE(CFileLock(folder.File("ordkamp.ini"), 0).Held());
    EXPECT_EQ(Names(folder.Path()), (std::set<std::string>{"ordkamp.ini", "real", "real/.ordkamp.ini.lock"}));
    // A planted link in the lock's place is not followed: no lock then.
    fs::remove(folder.File("real/.ordkamp.ini.lock"));
    fs::create_symlink(folder.File("elsewhere"), folder.File("real/.ordkamp.ini.lock"));
    EXPECT_FALSE(CFileLock(folder.File("ordkamp.ini"), 0).Held());
    EXPECT_FALSE(fs::exists(folder.File("elsewhere")));
}

TEST(SafeFile, ReadRefusesWhatIsNotARegularFileOrTooLarge)
{
    TempFolder folder;
    ::mkfifo(folder.File("fifo").c_str(), 0600); // a blocking read would hang forever
    fs::create_symlink("fifo", folder.File("link-to-fifo"));
    fs::create_directory(folder.File("folder"));
    WriteBytes(folder.File("sparse"), "");
    fs::resize_file(folder.File("sparse"), std::uintmax_t{300} << 20);
    WriteBytes(folder.File("small"), "hus\r\n");
    const struct {
        const char* name;
        std::uint64_t limit;
        FileError expected;
    } cases[] = {
        {"fifo", kMaxFileBytes, FileError::NotRegular},
        {"link-to-fifo", kMaxFileBytes, FileError::NotRegular},
        {"folder", kMaxFileBytes, FileError::NotRegular},
        {"sparse", kMaxFileBytes, FileError::TooLarge},
        {"missing", kMaxFileBytes, FileError::Missing},
        {"small", 4, FileError::TooLarge},
        {"small", 5, FileError::None},
    };
    for (const auto& c : cases) {
        std::string contents = "untouched";
        EXPECT_EQ(ReadRegularFile(folder.File(c.name), contents, c.limit).error, c.expected) << c.name;
        EXPECT_EQ(contents, c.expected == FileError::None ? "hus\r\n" : "untouched") << c.name;
    }
}

} // namespace
