// AddWordsFromText on any text, in either sort mode, onto a list that
// already holds words.

#include "WordInvariants.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0] % 2 ? SORT_BY_LENGTH : SORT_ALPHABETICAL;
    CWordEngine engine;
    engine.AddWordsFromText("ekorre\nbil\nb\xE5tar\n", SORT_BY_LENGTH);
    const std::size_t before = engine.m_words.size();
    engine.AddWordsFromText(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), mode);
    if (engine.m_words.size() < before)
        std::abort();
    CheckWordList(engine, mode);
    return 0;
}
