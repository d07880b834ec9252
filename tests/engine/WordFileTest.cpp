#include "engine/WordEngine.h"

#include "TempFolder.h"
#include "engine/Letters.h"
#include "engine/TextEncoding.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Words = std::vector<std::string>;

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
    const struct { const char* what; std::string bytes; Words words; } cases[] = {
        {"CR LF", "Hus\r\n  bil\t\r\nB\xC5TAR\r\n", {"bil", "hus", "b\xE5tar"}},
        {"bare LF", "hus\nbil\n", {"bil", "hus"}},
        {"bare CR joins lines", "hus\rbil\r", {}},
        {"bare CR at the end", "hus\r", {"hus"}},
        {"no end on the last line", "hus\nekorre", {"hus", "ekorre"}},
        {"empty file", "", {}},
        {"blank lines", "\n\r\n \n\t\nhus\n\n", {"hus"}},
        {"invalid lines", "ab\naaab\nhej hopp\nr2d2\n" + std::string(36, 'x').replace(0, 2, "ab") + "\nsol\n", {"sol"}},
        {"duplicates", "hus\nhus\nbil\n", {"bil", "hus"}},
        {"NUL bytes", std::string("ek\0rre\nsol\0\nbil\n", 16), {"bil", "sol"}},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBFhus\nbil\n", {"bil", "hus"}},
        {"UTF-8", "b\xC3\xA5t\n\xC3\x96GA\ns\xC3\xB6t\n", {"b\xE5t", "s\xF6t", "\xF6ga"}},
        {"UTF-8, a letter Windows-1252 lacks", "b\xC3\xA5t\nkra\xC5\x8B\nsol\n", {"b\xE5t", "sol"}},
        {"UTF-8 and Windows-1252 mixed", "b\xE5t\ns\xC3\xB6t\n", {"b\xE5t"}},
        {"a truncated UTF-8 sequence", "s\xC3\xB6t\nsol\nb\xC3", {"sol"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadBytes(c.bytes), c.words) << c.what;
}

// Every Windows-1252 letter, in both encodings of one list.
TEST(WordFile, Utf8AndWindows1252ListsLoadTheSameWords)
{
    std::string windows1252, utf8 = "\xEF\xBB\xBF";
    std::mt19937 random(13);
    for (int i = 0; i < 5000; ++i) {
        std::string word;
        for (std::size_t n = 3 + random() % 10; word.size() < n;) {
            const auto byte = static_cast<unsigned char>(0x41 + random() % 0xBF);
            if (!IsLetter(byte))
                continue;
            word += static_cast<char>(byte);
            const char32_t c = Windows1252Char(byte);
            if (c < 0x80) {
                utf8 += static_cast<char>(c);
            } else if (c < 0x800) {
                utf8 += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
            } else {
                utf8 += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                         static_cast<char>(0x80 | (c & 0x3F))};
            }
        }
        windows1252 += word + "\r\n";
        utf8 += "\r\n";
    }
    TempFolder folder;
    CWordEngine fromWindows1252, fromUtf8, withoutMark;
    const struct { CWordEngine* engine; std::string bytes; bool utf8; } loads[] = {
        {&fromWindows1252, windows1252, false}, {&fromUtf8, utf8, true}, {&withoutMark, utf8.substr(3), true},
    };
    for (const auto& load : loads) {
        load.engine->m_strFileName = folder.File("ordkamp.se");
        WriteBytes(load.engine->m_strFileName, load.bytes);
        ASSERT_TRUE(load.engine->LoadWordList());
        EXPECT_EQ(load.engine->m_bReadAsUtf8, load.utf8);
    }
    ASSERT_GT(fromWindows1252.m_words.size(), 1000u);
    for (const CWordEngine* engine : {&fromUtf8, &withoutMark}) {
        EXPECT_EQ(engine->m_words, fromWindows1252.m_words);
        EXPECT_TRUE(std::equal(std::begin(engine->m_nLengthCount), std::end(engine->m_nLengthCount),
                               std::begin(fromWindows1252.m_nLengthCount)));
    }
}

TEST(WordFile, BinaryFileGivesExactlyTheLinesThatAreWords)
{
    std::mt19937 random(7);
    std::string bytes;
    for (int i = 0; i < 200'000; ++i)
        bytes += static_cast<char>(random() % 256);
    bytes += "\nekorre\n";

    // What line-by-line cleaning of every line gives.
    CWordEngine expected;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string line = bytes.substr(start, end - start);
        expected.AddWord(line);
        start = end + 1;
    }
    expected.SortWords(SORT_BY_LENGTH);
    EXPECT_EQ(LoadBytes(bytes), expected.m_words);
}

TEST(WordFile, HugeSingleLineIsDroppedAndTheRestLoads)
{
    std::string bytes = "hus\n";
    bytes.append(100'000'000, 'a');
    bytes += "\r\n   \t" + std::string(20'000'000, ' ') + "katt" + std::string(10'000'000, '\x01') + "\nsol";
    EXPECT_EQ(LoadBytes(bytes), (Words{"hus", "sol", "katt"}));
}

TEST(WordFile, FailedLoadKeepsTheListAsItWas)
{
    TempFolder folder;
    CWordEngine engine;
    engine.m_words = {"bil", "hus"};
    engine.SortWords(SORT_BY_LENGTH);
    for (const std::string& path : {folder.File("missing.se"), folder.Path().string()}) {
        engine.m_strFileName = path;
        EXPECT_FALSE(engine.LoadWordList()) << path;
        EXPECT_EQ(engine.m_words, (Words{"bil", "hus"}));
        EXPECT_EQ(engine.CountWords(3, 3), 2u);
    }
}

TEST(WordFile, SavedFileIsCrLfWindows1252AndReadsBack)
{
    TempFolder folder;
    CWordEngine engine;
    engine.m_strFileName = folder.File("ordkamp.se");
    engine.m_words = {"\xF6ga", "katt", "b\xE5tar", "bil"};
    ASSERT_TRUE(engine.SaveWordList());
    EXPECT_EQ(ReadBytes(engine.m_strFileName), "\xF6ga\r\nkatt\r\nb\xE5tar\r\nbil\r\n");

    CWordEngine reader;
    reader.m_strFileName = engine.m_strFileName;
    ASSERT_TRUE(reader.LoadWordList());
    EXPECT_EQ(reader.m_words, (Words{"bil", "\xF6ga", "katt", "b\xE5tar"}));

    engine.m_words.clear();
    ASSERT_TRUE(engine.SaveWordList());
    EXPECT_EQ(ReadBytes(engine.m_strFileName), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(WordFile, FailedSaveReportsFalseAndKeepsTheOldFile)
{
    TempFolder folder;
    CWordEngine engine;
    engine.m_words = {"bil", "hus"};

    engine.m_strFileName = folder.File("no-such-folder/ordkamp.se");
    EXPECT_FALSE(engine.SaveWordList());

    // The target is a folder: nothing can replace it.
    engine.m_strFileName = folder.Path().string();
    EXPECT_FALSE(engine.SaveWordList());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path()));

    // A read-only list is left as it is.
    engine.m_strFileName = folder.File("ordkamp.se");
    WriteBytes(engine.m_strFileName, "gammal\r\n");
    std::filesystem::permissions(engine.m_strFileName, std::filesystem::perms::owner_read);
    EXPECT_FALSE(engine.SaveWordList());
    EXPECT_EQ(ReadBytes(engine.m_strFileName), "gammal\r\n");
}

} // namespace
