// Makes the default word list: every line of a dictionary that the engine
// accepts as a word, sorted by length, written as the game writes its list
// (Windows-1252, CR LF). The dictionary is read as the game reads a list:
// UTF-8 when it is UTF-8, else Latin-1 (which agrees with Windows-1252 on
// every letter).

#include "engine/WordEngine.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <dictionary> <ordkamp.se>\n", argv[0]);
        return 2;
    }
    CWordEngine engine;
    engine.m_strFileName = argv[1];
    if (!engine.LoadWordList()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    engine.m_strFileName = argv[2];
    if (!engine.SaveWordList()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    std::printf("%s: %zu words\n", argv[2], engine.m_words.size());
    return 0;
}
