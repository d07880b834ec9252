#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <csignal>
#include <functional>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ordkamp-XXXXXX").string();
        m_path = mkdtemp(pattern.data()) ? pattern : std::string{};
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     error);
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }

    // Writes a file, and the folders on its way.
    void Put(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories(std::filesystem::path(File(name)).parent_path());
        std::ofstream(File(name), std::ios::binary) << bytes;
    }

    // Lays out entries separated by spaces: "f:name=bytes" a file, "r:name=bytes"
    // a read-only one, "d:name" a folder, "p:name" a FIFO, "l:name=target" a
    // link as written, "L:name=target" a link to the target's full path.
    void Lay(const std::string& spec) const
    {
        std::istringstream entries(spec);
        for (std::string entry; entries >> entry;) {
            const std::size_t equals = entry.find('=');
            const std::string name = entry.substr(2, equals - 2);
            const std::string value = equals == std::string::npos ? "" : entry.substr(equals + 1);
            if (entry[0] == 'd')
                std::filesystem::create_directories(File(name));
            else if (entry[0] == 'p')
                mkfifo(File(name).c_str(), 0600);
            else if (entry[0] == 'l' || entry[0] == 'L')
                std::filesystem::create_symlink(entry[0] == 'L' ? File(value) : value, File(name));
            else
                Put(name, value);
            if (entry[0] == 'r')
                std::filesystem::permissions(File(name), std::filesystem::perms::owner_read);
        }
    }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs `work` in a child process whose files may not grow past 4 KB, as on
// a full disk; true when it returned true there.
inline bool OnAFullDisk(const std::function<bool()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
