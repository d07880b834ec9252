// Any bytes as a word-list file, then as text added in either sort mode:
// the list loads, and what it holds keeps the word rules, the order of the
// mode, no adjacent duplicates and, after a length sort, the right counts.

#include "Check.h"
#include "engine/Letters.h"
#include "engine/TextEncoding.h"
#include "engine/WordEngine.h"

#include <cstdint>
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
        Check(IsValidWord(word) && lowered == word);
        ++counts[word.size()];
        const std::string_view previous = i == 0 ? std::string_view(word) : engine.m_words[i - 1];
        // Stored words are lower case: byte order is the collation.
        Check(i == 0
              || (mode == SORT_BY_LENGTH && previous.size() != word.size() ? previous.size() < word.size()
                                                                           : previous < word));
    }
    for (unsigned n = 0; n < 36; ++n)
        Check(engine.m_nLengthCount[n] == (mode == SORT_BY_LENGTH ? counts[n] : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/ordkamp-fuzz-" + std::to_string(getpid()) + ".se";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));

    CWordEngine engine;
    engine.m_strFileName = path;
    Check(engine.LoadWordList());
    CheckWordList(engine, SORT_BY_LENGTH);
    // The load's one-pass cleaning keeps exactly the words a full clean of
    // every line keeps (UTF-8 files are converted first, so they differ).
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!IsUtf8Text(text)) {
        CWordEngine cleaned;
        cleaned.AddWordsFromText(text, SORT_BY_LENGTH);
        Check(cleaned.m_words == engine.m_words);
    }

    const int mode = size > 0 && data[0] % 2 ? SORT_BY_LENGTH : SORT_ALPHABETICAL;
    const std::size_t before = engine.m_words.size();
    engine.AddWordsFromText(text, mode);
    Check(engine.m_words.size() >= before);
    CheckWordList(engine, mode);
    return 0;
}
