// LoadWordList on any file: it loads, and what it holds keeps the word rules.

#include "WordInvariants.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/ordkamp-fuzz-" + std::to_string(getpid()) + ".se";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CWordEngine engine;
    engine.m_strFileName = path;
    if (!engine.LoadWordList())
        std::abort();
    CheckWordList(engine, SORT_BY_LENGTH);
    return 0;
}
