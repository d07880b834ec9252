// Loads one word list into a new engine and exits, as the game does at
// start: for bench/fresh-load.sh, which measures whole processes. Prints
// the words loaded and the process's peak memory in KiB (VmHWM: this
// program's own, unlike the rusage a parent sees, which also counts the
// parent's pages copied by the fork).

#include "engine/WordEngine.h"

#include "SyntheticList.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    // The benchmarks' synthetic list, for the script to load in turn.
    if (argc == 3 && std::string(argv[1]) == "--write-synthetic") {
        std::printf("%s\n", WriteSyntheticList(std::stoul(argv[2])).c_str());
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WORDLIST | --write-synthetic COUNT\n", argv[0]);
        return 2;
    }
    CWordEngine engine;
    engine.m_strFileName = argv[1];
    if (!engine.LoadWordList()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::string line;
    for (std::ifstream status("/proc/self/status"); std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            std::printf("%zu %lu\n", engine.m_words.size(), std::stoul(line.substr(6)));
    return 0;
}
