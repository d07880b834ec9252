#include "engine/SafeFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
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
        const char* layout; // as TempFolder::Lay reads it
        FileError expected;
        const char* whereTheBytesLand; // nullptr: nowhere, and nothing new appears
    } cases[] = {
        {"a new file", "", FileError::None, "ordkamp.ini"},
        {"a link into a synced folder", "f:sync/ordkamp.ini=old l:ordkamp.ini=sync/ordkamp.ini", FileError::None,
         "sync/ordkamp.ini"},
        {"a chain of links, the last one dangling", "L:ordkamp.ini=middle l:middle=target", FileError::None, "target"},
        {"a read-only file", "r:ordkamp.ini=old", FileError::ReadOnly, nullptr},
        {"a folder", "d:ordkamp.ini", FileError::NotRegular, nullptr},
        {"a link to a FIFO", "p:fifo l:ordkamp.ini=fifo", FileError::NotRegular, nullptr},
        {"a link planted at the old temporary name", "f:victim=old l:ordkamp.ini.tmp=victim", FileError::None,
         "ordkamp.ini"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.Lay(c.layout);
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
    folder.Lay("d:real L:ordkamp.ini=real/ordkamp.ini"); // the file not made yet
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
    folder.Lay("p:fifo l:link-to-fifo=fifo f:sparse f:small=huset"); // a FIFO would hang a blocking read
    fs::resize_file(folder.File("sparse"), std::uintmax_t{300} << 20);
    const struct {
        const char* name;
        std::uint64_t limit;
        FileError expected;
    } cases[] = {
        {"link-to-fifo", kMaxFileBytes, FileError::NotRegular},
        {"sparse", kMaxFileBytes, FileError::TooLarge},
        {"missing", kMaxFileBytes, FileError::Missing},
        {"small", 4, FileError::TooLarge},
        {"small", 5, FileError::None},
    };
    for (const auto& c : cases) {
        std::string contents = "untouched";
        EXPECT_EQ(ReadRegularFile(folder.File(c.name), contents, c.limit).error, c.expected) << c.name;
        EXPECT_EQ(contents, c.expected == FileError::None ? "huset" : "untouched") << c.name;
    }
}

} // namespace
