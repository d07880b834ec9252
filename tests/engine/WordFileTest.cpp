#include "engine/WordEngine.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Words = CWordList;

Words LoadBytes(const std::string& bytes)
{
    TempFolder folder;
    CWordEngine engine;
    engine.m_strFileName = folder.File("ordkamp.se");
    WriteBytes(engine.m_strFileName, bytes);
    EXPECT_TRUE(engine.LoadWordList());
    return engine.m_words;
}

TEST(WordFile, LoadingOddFiles)
{
    const struct {
        const char* what;
        std::string bytes;
        Words words;
    } cases[] = {
        {"CR LF", "Hus\r\n  bil\t\r\nB\xC5TAR\r\n", {"bil", "hus", "b\xE5tar"}},
        {"bare CR joins lines", "hus\rbil\r", {}},
        {"no end on the last line, blank lines", "\n\r\n \nhus\nhus\nekorre", {"hus", "ekorre"}},
        {"NUL bytes", std::string("ek\0rre\nsol\0\nbil\n", 16), {"bil", "sol"}},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBFhus\nbil\n", {"bil", "hus"}},
        {"UTF-8", "b\xC3\xA5t\n\xC3\x96GA\ns\xC3\xB6t\n", {"b\xE5t", "s\xF6t", "\xF6ga"}},
        {"UTF-8, a letter Windows-1252 lacks", "b\xC3\xA5t\nkra\xC5\x8B\nsol\n", {"b\xE5t", "sol"}},
        {"UTF-8 and Windows-1252 mixed", "b\xE5t\ns\xC3\xB6t\n", {"b\xE5t"}},
        {"a huge single line dropped, the rest loaded",
         "hus\n" + std::string(100'000'000, 'a') + "\r\n   \t" + std::string(20'000'000, ' ') + "katt"
             + std::string(10'000'000, '\x01') + "\nsol",
         {"hus", "sol", "katt"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadBytes(c.bytes), c.words) << c.what;
}

} // namespace
