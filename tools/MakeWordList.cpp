// Makes a built-in word list from dictionaries: every line of the sources
// that the engine accepts as a word, sorted by length, written as the game
// writes its list (Windows-1252, CR LF). A line is read up to its first tab,
// so that the index of a dictd dictionary (headword, tab, offsets) serves as
// well as a plain word list. Lines with a capital letter are names (or their
// genitives), abbreviations ("TV") or slips ("bräcklighetADV"), and are left
// out; so is a word that the spelling dictionary knows only with a capital
// ("Sverige", "Emma"), which a bilingual dictionary writes in lower case.
// Every file is read as the game reads a list: UTF-8 when it is UTF-8, else
// Windows-1252.

#include "engine/Dictionary.h"
#include "engine/Letters.h"
#include "engine/SafeFile.h"
#include "engine/TextEncoding.h"
#include "engine/WordEngine.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

namespace {

bool ReadText(const char* path, std::string& text)
{
    if (!ReadRegularFile(path, text)) {
        std::fprintf(stderr, "ordkamp-mkwordlist: cannot read %s\n", path);
        return false;
    }
    text = ToGameText(std::move(text));
    return true;
}

// The words the spelling dictionary holds only with a capital, lower-cased.
std::unordered_set<std::string> OnlyCapitalised(const std::string& dictionary)
{
    std::unordered_set<std::string> lower, capitalised;
    for (std::size_t start = 0; start < dictionary.size();) {
        const std::size_t end = std::min(dictionary.find('\n', start), dictionary.size());
        std::string word = dictionary.substr(start, end - start);
        start = end + 1;
        const bool capital =
            std::any_of(word.begin(), word.end(), [](char c) { return IsCapital(static_cast<unsigned char>(c)); });
        LowerCaseWord(word);
        (capital ? capitalised : lower).insert(std::move(word));
    }
    for (const std::string& word : lower)
        capitalised.erase(word);
    return capitalised;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <list> <spelling dictionary> <source>...\n", argv[0]);
        return 2;
    }
    std::string spelling;
    if (!ReadText(argv[2], spelling))
        return 1;
    const std::unordered_set<std::string> names = OnlyCapitalised(spelling);
    CWordEngine engine;
    for (int source = 3; source < argc; ++source) {
        std::string text;
        if (!ReadText(argv[source], text))
            return 1;
        DictionaryCounts counts;
        const std::string lines = DictionaryLines(text, counts);
        for (std::size_t start = 0; start < lines.size();) {
            const std::size_t end = lines.find('\n', start);
            std::string word = lines.substr(start, end - start);
            start = end + 1;
            if (!names.contains(word))
                engine.AddWord(word);
        }
    }
    engine.SortWords(SORT_BY_LENGTH);
    engine.m_strFileName = argv[1];
    if (!engine.SaveWordList()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("%s: %zu words\n", argv[1], engine.m_words.size());
    return 0;
}
