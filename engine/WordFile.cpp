#include "WordFile.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#if defined(__unix__) || defined(__APPLE__)
    return fsync(fileno(file)) == 0;
#else
    return true;
#endif
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;

    // Read straight into the string; the size is only a first guess, as the
    // file may change or not be a regular file.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::string bytes(error ? std::size_t{1} << 16 : static_cast<std::size_t>(size) + 1, '\0');
    std::size_t used = 0;
    for (;;) {
        used += std::fread(bytes.data() + used, 1, bytes.size() - used, file.get());
        if (used < bytes.size())
            break;
        bytes.resize(bytes.size() * 2);
    }
    if (std::ferror(file.get()))
        return false; // a folder, or a read error: not a word list
    bytes.resize(used);
    contents.swap(bytes);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = FlushToDisk(file) && ok;
    ok = std::fclose(file) == 0 && ok;

    std::error_code error;
    if (ok)
        std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool WriteWordsAtomically(const std::string& path, const std::vector<std::string>& words)
{
    std::size_t total = 0;
    for (const std::string& word : words)
        total += word.size() + 2;
    std::string text;
    text.reserve(total);
    for (const std::string& word : words) {
        text += word;
        text += "\r\n";
    }
    return WriteFileAtomically(path, text);
}
