// Any bytes as a vocabulary file: the reader ends, and what it gives is a
// list of valid words, each once, with single-line hints of bounded length;
// on an error it gives no words.

#include "Check.h"
#include "engine/Letters.h"
#include "wordlists/Vocabulary.h"

#include <cstdint>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Vocabulary vocabulary = ReadVocabulary(bytes, QStringLiteral("fuzz.kvtml"));
    Check((vocabulary.error == VocabularyError::None || vocabulary.words.empty()) && !vocabulary.title.isEmpty());
    std::set<std::string> seen;
    for (const VocabularyWord& word : vocabulary.words) {
        std::string lowered = word.word;
        LowerCaseWord(lowered);
        Check(IsValidWord(word.word) && lowered == word.word && seen.insert(word.word).second);
        Check(word.hint.size() <= 300 && word.hint.find('\n') == std::string::npos);
    }
    return 0;
}
