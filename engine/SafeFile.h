#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reading and replacing the player's files so that nothing they keep is
// lost: only regular files are read or replaced, never more than a limit is
// read, and a replacement is whole or not at all.

enum class FileError {
    None,
    Missing, // no such file (a missing file reads as empty where that is allowed)
    NotRegular, // a folder, FIFO, device or socket, after following links
    TooLarge, // larger than the limit; nothing was read
    ReadOnly, // no write permission: left as it is, as Windows leaves a read-only file
    System, // any other failure; `systemError` holds errno
};

struct FileResult {
    FileError error = FileError::None;
    int systemError = 0;

    explicit operator bool() const { return error == FileError::None; }
};

// Word lists and settings files larger than this are refused unread.
inline constexpr std::uint64_t kMaxFileBytes = std::uint64_t{256} << 20;

// Reads the whole file at `path` (links followed) without ever blocking on a
// FIFO or reading past `limit` bytes. `contents` is changed only on success.
FileResult ReadRegularFile(const std::string& path, std::string& contents, std::uint64_t limit = kMaxFileBytes);

// The same checks; reads `count` pieces of about `bytesEach` bytes from
// places spread evenly over the file, each cut to whole lines, one after
// another in `lines`. A long list is judged from them without reading all
// of it.
FileResult ReadFileSamples(const std::string& path, std::string& lines, unsigned count, std::size_t bytesEach,
                           std::uint64_t limit = kMaxFileBytes);

// Puts `bytes` in place of the file at `path`, through a symlink onto its
// final target, keeping the old file's mode (and group where allowed). The
// bytes go to a new temporary file beside the target, created exclusively
// (so a planted link cannot redirect them), are flushed to disk, and only
// then renamed over the target; the folder is flushed too. A crash or a full
// disk leaves the old file or the new one; on failure nothing is left
// behind. A target that is not a regular file, or that is read-only, is
// refused and untouched. Leftover temporary files of saves killed long ago
// are removed.
FileResult ReplaceFile(const std::string& path, std::string_view bytes);

// An exclusive lock on a hidden file beside `path` (".NAME.lock", beside the
// final target of a link), held while it lives, so that processes saving
// the same file take turns: each reads, merges and writes while no other
// does. The system drops it when its holder ends, so a crash leaves no
// stale lock. Waits at most `waitMilliseconds`; Held() tells whether it got
// it (not on a folder where the lock file cannot be made, for one).
class CFileLock {
public:
    CFileLock(const std::string& path, int waitMilliseconds);
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;
    bool Held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

// What a file held when it was last read or written, to tell whether
// someone else has changed it since. Only the content counts: a file
// touched but unchanged loses nothing when it is written over.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t contentHash = 0;

    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(std::string_view bytes);
// Nothing when the file exists but cannot be read.
std::optional<FileStamp> StampOfFile(const std::string& path);
