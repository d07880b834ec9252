#include "engine/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <ctime>
#include <string_view>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Temporary files are named ".<name>.ordkamp-XXXXXX" beside their target.
constexpr std::string_view kTemporaryMark = ".ordkamp-";
// A leftover older than this belongs to a save that was killed.
constexpr std::time_t kLeftoverSeconds = 60 * 60;

FileResult Failed(FileError error, int systemError = 0)
{
    return {error, systemError};
}

FileResult FromErrno()
{
    return errno == ENOENT ? Failed(FileError::Missing, ENOENT) : Failed(FileError::System, errno);
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now, reporting what close reports (a late write error on some
    // file systems).
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The path with every link resolved; a final component that does not exist
// yet is kept as named (the first save creates it).
bool FinalTarget(const std::string& path, std::string& target)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info { };
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0)
            return false;
        link.resize(static_cast<std::size_t>(length));
        if (link.front() != '/') {
            const std::size_t slash = current.rfind('/');
            link = (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) + link;
        }
        current = std::move(link);
    }
    target = std::move(current);
    return true;
}

std::pair<std::string, std::string> SplitFolder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

void RemoveOldLeftovers(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::string prefix = "." + name + std::string(kTemporaryMark);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view found = entry->d_name;
        if (found.size() != prefix.size() + 6 || found.substr(0, prefix.size()) != prefix)
            continue;
        const std::string path = folder + "/" + std::string(found);
        struct stat info { };
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && now - info.st_mtime > kLeftoverSeconds)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool FlushFolder(const std::string& folder)
{
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.Get() >= 0 && ::fsync(dir.Get()) == 0;
}

} // namespace

namespace {

// Opens a regular file of at most `limit` bytes for reading, and tells its
// size. Non-blocking, so that a FIFO in the file's place cannot hang the game.
FileResult OpenRegularFile(const std::string& path, std::uint64_t limit, std::unique_ptr<Descriptor>& file,
                           std::uint64_t& size)
{
    file = std::make_unique<Descriptor>(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file->Get() < 0)
        return FromErrno();
    struct stat info { };
    if (::fstat(file->Get(), &info) != 0)
        return Failed(FileError::System, errno);
    if (!S_ISREG(info.st_mode))
        return Failed(FileError::NotRegular);
    size = static_cast<std::uint64_t>(info.st_size);
    if (size > limit)
        return Failed(FileError::TooLarge);
    return {};
}

} // namespace

FileResult ReadRegularFile(const std::string& path, std::string& contents, std::uint64_t limit)
{
    std::unique_ptr<Descriptor> opened;
    std::uint64_t size = 0;
    if (const FileResult open = OpenRegularFile(path, limit, opened, size); !open)
        return open;
    const Descriptor& file = *opened;

    // The size is a first guess only: the file may grow while it is read.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        const ssize_t got = ::read(file.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Failed(FileError::System, errno);
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
        if (used > limit)
            return Failed(FileError::TooLarge);
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
    }
    bytes.resize(used);
    contents.swap(bytes);
    return {};
}

FileResult ReadFileSamples(const std::string& path, std::string& lines, unsigned count, std::size_t bytesEach,
                           std::uint64_t limit)
{
    std::unique_ptr<Descriptor> opened;
    std::uint64_t size = 0;
    if (const FileResult open = OpenRegularFile(path, limit, opened, size); !open)
        return open;
    const Descriptor& file = *opened;

    std::string samples, piece;
    for (unsigned i = 0; i < count; ++i) {
        const std::uint64_t offset = size / count * i;
        piece.resize(bytesEach);
        ssize_t got;
        do
            got = ::pread(file.Get(), piece.data(), piece.size(), static_cast<off_t>(offset));
        while (got < 0 && errno == EINTR);
        if (got < 0)
            return Failed(FileError::System, errno);
        piece.resize(static_cast<std::size_t>(got));
        std::string_view text(piece);
        if (offset > 0) // begins inside a line
            text.remove_prefix(std::min(text.size(), text.find('\n') + 1));
        if (offset + piece.size() < size) // ends inside one
            text = text.substr(0, text.rfind('\n') + 1);
        samples += text;
        if (!samples.empty() && samples.back() != '\n')
            samples += '\n';
    }
    lines.swap(samples);
    return {};
}

FileResult ReplaceFile(const std::string& path, std::string_view bytes)
{
    std::string target;
    if (!FinalTarget(path, target))
        return Failed(FileError::System, errno);
    const auto [folder, name] = SplitFolder(target);

    struct stat old { };
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (!existed && errno != ENOENT)
        return Failed(FileError::System, errno);
    if (existed && !S_ISREG(old.st_mode))
        return Failed(FileError::NotRegular);
    // No write bit at all is read-only even for root, as on Windows.
    if (existed && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        return Failed(FileError::ReadOnly);

    RemoveOldLeftovers(folder, name);
    std::string temporary = folder + "/." + name + std::string(kTemporaryMark) + "XXXXXX";
    // mkostemp creates with O_CREAT | O_EXCL, which never follows a link.
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0)
        return Failed(FileError::System, errno);

    bool ok = ::fchmod(file.Get(), existed ? old.st_mode & 07777 : NewFileMode()) == 0;
    if (existed) // keeps the group (and for root the owner); a failure here harms nothing
        [[maybe_unused]]
        const int ignored = ::fchown(file.Get(), ::geteuid() == 0 ? old.st_uid : uid_t(-1), old.st_gid);
    ok = ok && WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0;
    int error = errno;
    ok = file.Close() && ok;
    if (ok && ::rename(temporary.c_str(), target.c_str()) == 0) {
        FlushFolder(folder);
        return {};
    }
    error = errno ? errno : error;
    ::unlink(temporary.c_str());
    return Failed(FileError::System, error);
}

CFileLock::CFileLock(const std::string& path, int waitMilliseconds)
{
    std::string target;
    if (!FinalTarget(path, target))
        return;
    const auto [folder, name] = SplitFolder(target);
    const std::string lockPath = folder + "/." + name + ".lock";
    m_fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, NewFileMode());
    if (m_fd < 0)
        return;
    constexpr int kStep = 10;
    for (int waited = 0;; waited += kStep) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_held = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= waitMilliseconds)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(kStep));
    }
}

CFileLock::~CFileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // and with it the lock
}

FileStamp StampOf(std::string_view bytes)
{
    // FNV-1a over 8-byte steps, each folded back so that every bit counts:
    // enough to tell an edited file from the one read. Stamps are never
    // stored, so the function may change.
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::uint64_t step) {
        hash = (hash ^ step) * 1099511628211ull;
        hash ^= hash >> 29;
    };
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t step;
        std::memcpy(&step, bytes.data() + i, 8);
        mix(step);
    }
    for (; i < bytes.size(); ++i)
        mix(static_cast<unsigned char>(bytes[i]));
    return {true, bytes.size(), hash};
}

std::optional<FileStamp> StampOfFile(const std::string& path)
{
    std::string bytes;
    const FileResult read = ReadRegularFile(path, bytes);
    if (read.error == FileError::Missing)
        return FileStamp{};
    if (!read)
        return std::nullopt;
    return StampOf(bytes);
}
