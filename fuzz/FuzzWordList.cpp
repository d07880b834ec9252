// Any bytes as a word-list file, then as text added in either sort mode:
// the list loads, and what it holds keeps the word rules, the order of the
// mode, no adjacent duplicates and, after a length sort, the right counts.

#include "engine/Letters.h"
#include "engine/TextEncoding.h"
#include "engine/WordEngine.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void CheckWordList(const CWordEngine& engine, int mode)
{
    unsigned counts[36] = {};
    for (std::size_t i = 0; i < engine.m_words.size(); ++i) {
        const std::string word(engine.m_words[i]);
        std::string lowered = word;
        LowerCaseWord(lowered);
        if (!IsValidWord(word) || lowered != word)
            std::abort();
        ++counts[word.size()];
        const std::string_view previous = i == 0 ? std::string_view(word) : engine.m_words[i - 1];
        // Stored words are lower case: byte order is the collation.
        if (i > 0
            && !(mode == SORT_BY_LENGTH && previous.size() != word.size() ? previous.size() < word.size()
                                                                          : previous < word))
            std::abort();
    }
    for (unsigned n = 0; n < 36; ++n)
        if (engine.m_nLengthCount[n] != (mode == SORT_BY_LENGTH ? counts[n] : 0))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/ordkamp-fuzz-" + std::to_string(getpid()) + ".se";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));

    CWordEngine engine;
    engine.m_strFileName = path;
    if (!engine.LoadWordList())
        std::abort();
    CheckWordList(engine, SORT_BY_LENGTH);
    // The load's one-pass cleaning keeps exactly the words a full clean of
    // every line keeps (UTF-8 files are converted first, so they differ).
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!IsUtf8Text(text)) {
        CWordEngine cleaned;
        cleaned.AddWordsFromText(text, SORT_BY_LENGTH);
        if (!(cleaned.m_words == engine.m_words))
            std::abort();
    }

    const int mode = size > 0 && data[0] % 2 ? SORT_BY_LENGTH : SORT_ALPHABETICAL;
    const std::size_t before = engine.m_words.size();
    engine.AddWordsFromText(text, mode);
    if (engine.m_words.size() < before)
        std::abort();
    CheckWordList(engine, mode);
    return 0;
}
