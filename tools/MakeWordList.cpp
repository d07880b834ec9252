// Makes a built-in word list from a dictionary: every line that the engine
// accepts as a word, sorted by length, written as the game writes its list
// (Windows-1252, CR LF). A line is read up to its first tab, so that the
// index of a dictd dictionary (headword, tab, offsets) serves as well as a
// plain word list. Lines with a capital letter are names (or their
// genitives), abbreviations ("TV") or slips ("bräcklighetADV"), and are left
// out: a word of the list stands in its dictionary as written. The dictionary is read as the game reads a
// list: UTF-8 when it is UTF-8, else Windows-1252.

#include "engine/Letters.h"
#include "engine/SafeFile.h"
#include "engine/TextEncoding.h"
#include "engine/WordEngine.h"

#include <algorithm>
#include <cstdio>

namespace {

// A capital letter of Windows-1252: A-Z, and À-Þ but the multiplication sign.
bool IsCapital(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x8A || c == 0x8C || c == 0x8E
        || c == 0x9F;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <dictionary> <list.se>\n", argv[0]);
        return 2;
    }
    std::string text;
    if (!ReadRegularFile(argv[1], text)) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    if (IsUtf8Text(text))
        text = Utf8ToWindows1252(text);
    CWordEngine engine;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string word = text.substr(start, std::min(text.find('\t', start), end) - start);
        if (std::none_of(word.begin(), word.end(), [](char c) { return IsCapital(static_cast<unsigned char>(c)); }))
            engine.AddWord(word);
        start = end + 1;
    }
    engine.SortWords(SORT_BY_LENGTH);
    engine.m_strFileName = argv[2];
    if (!engine.SaveWordList()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    std::printf("%s: %zu words\n", argv[2], engine.m_words.size());
    return 0;
}
