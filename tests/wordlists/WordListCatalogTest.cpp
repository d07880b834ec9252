#include "wordlists/LanguageNames.h"
#include "wordlists/WordListCatalog.h"

#include "KvtmlDocument.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

// A desktop of several languages: the player's own lists and the game's,
// the player's vocabulary file over the system's of the same name, a
// country's variant bringing the same file again, the registry's lists, some
// of them hostile, and languages whose letters the files cannot hold.
TEST(WordListCatalog, FindsEveryLanguagesListsAndJudgesTheirLetters)
{
    TempFolder root;
    root.Put("own/ordkamp.se", "katten\r\nhunden\r\n");
    root.Put("own/ordkamp.ini", "[Settings]\r\n");
    root.Put("game/ordkamp.se", "gammal\r\n");
    root.Put("game/ordkamp.en", "house\r\nmouse\r\n");
    root.Put("game/ordkamp-alla.se", "allihop\r\nord\r\n");
    root.Put("home/apps/kvtml/en/animals.kvtml", KvtmlOfWords("My animals", "horse zebra"));
    root.Put("sys/apps/kvtml/en/animals.kvtml", KvtmlOfWords("Animals", "horse"));
    root.Put("sys/apps/kvtml/en_GB/animals.kvtml", KvtmlOfWords("Animals", "horse"));
    root.Put("sys/apps/kvtml/en_GB/colours.kvtml", KvtmlOfWords("Colours", "colour"));
    root.Put("sys/apps/kvtml/de/tiere.kvtml", KvtmlOfWords("Tiere", "Straße Bär Löwe"));
    root.Put("sys/apps/kvtml/ru/animals.kvtml", KvtmlOfWords("Животные", "кошка собака лиса"));
    root.Put("sys/apps/kvtml/pl/animals.kvtml", KvtmlOfWords("Zwierzęta", "żółw kot łoś pies ćma wąż"));
    root.Put("registry/wamerican", "Language: american (American English)\nHash-Name: american-english\n");
    root.Put("registry/wswedish", "Language: svenska (Swedish)\nHash-Name: swedish\n");
    root.Put("registry/wngerman", "Language: deutsch (New German)\nHash-Name: fifo\n");
    root.Put("registry/witalian", "Language: italiano (Italian)\nHash-Name: gone\n");
    root.Put("registry/wfrench",
             "Language: francais (French)\nHash-Name: folder\n\n"
             "Language: klingon\nHash-Name: klingon\n");
    root.Put("registry/wrussian", "Language: русский (Russian)\nHash-Name: russian\nCoding-System: utf-8\n");
    root.Put("registry/wevil", "Language: american (American English)\nHash-Name: ../../etc/passwd\n");
    root.Put("dict/american-english", "Anna\nAnna's\nTV\nhouse\nhouse's\nmouse\nstreet\n");
    root.Put("dict/swedish", "katt\n");
    root.Put("dict/russian", "кошка\nсобака\nдом\n");
    root.Put("dict/klingon", "qapla\n");
    root.Lay("d:dict/folder p:dict/fifo p:registry/wfifo");

    WordListPlaces places;
    places.ownFolder = QString::fromStdString(root.File("own"));
    places.gameFolder = QString::fromStdString(root.File("game"));
    places.dataFolders = {QString::fromStdString(root.File("home")), QString::fromStdString(root.File("sys"))};
    places.registryFolder = QString::fromStdString(root.File("registry"));
    places.dictionaryFolder = QString::fromStdString(root.File("dict"));
    const std::vector<WordListSource> lists = FindWordLists(places);

    const struct {
        const char *key, *language;
        const char* path; // under the root; empty: not found
        bool read;
        std::size_t words;
        unsigned unfit;
        const char* title;
    } cases[] = {
        {"dict/fifo", "de", "dict/fifo", false, 0, 0, ""},
        {"de/tiere.kvtml", "de", "sys/apps/kvtml/de/tiere.kvtml", true, 3, 0, "Tiere"},
        {"ordkamp.en", "en", "game/ordkamp.en", true, 2, 0, ""},
        {"dict/american-english", "en", "dict/american-english", true, 3, 0, ""},
        {"en/animals.kvtml", "en", "home/apps/kvtml/en/animals.kvtml", true, 2, 0, "My animals"},
        {"en_GB/colours.kvtml", "en", "sys/apps/kvtml/en_GB/colours.kvtml", true, 1, 0, "Colours"},
        {"dict/folder", "fr", "dict/folder", false, 0, 0, ""},
        {"dict/gone", "it", "dict/gone", false, 0, 0, ""},
        {"pl/animals.kvtml", "pl", "sys/apps/kvtml/pl/animals.kvtml", true, 2, 4, "Zwierzęta"},
        {"dict/russian", "ru", "dict/russian", true, 0, 3, ""},
        {"ru/animals.kvtml", "ru", "sys/apps/kvtml/ru/animals.kvtml", true, 0, 3, "Животные"},
        {"ordkamp.se", "sv", "own/ordkamp.se", true, 2, 0, ""},
        {"ordkamp-alla.se", "sv", "game/ordkamp-alla.se", true, 2, 0, ""},
    };
    ASSERT_EQ(lists.size(), std::size(cases));
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const auto& c = cases[i];
        CWordEngine words;
        const WordListContents contents = ReadWordList(lists[i], words);
        EXPECT_EQ(std::tuple(lists[i].key.toStdString(), lists[i].language.toStdString(), lists[i].path.toStdString(),
                             contents.read, words.m_words.size(), contents.unfit, contents.title.toStdString()),
                  std::tuple(std::string(c.key), std::string(c.language), root.File(c.path), c.read, c.words, c.unfit,
                             std::string(c.title)));
        EXPECT_EQ(FindWordList(lists[i].key, places).path, lists[i].path) << c.key;
    }

    // A language is offered when its words fit; one whose lists cannot be read is not.
    const QStringList order = OrderLanguages(lists, {"sv", "en", "xx"});
    EXPECT_EQ(order, (QStringList{"sv", "en", "de", "fr", "it", "pl", "ru"}));
    QStringList offered;
    for (const QString& language : order)
        if (LanguageFits(lists, language))
            offered << language;
    EXPECT_EQ(offered, (QStringList{"sv", "en", "de"}));

    // The standard lists: the player's own first, then the game's; a key of
    // an earlier version names a Swedish theme.
    EXPECT_FALSE(StandardListOf("de", places).Found());
    EXPECT_EQ(OwnListPath("de", places).toStdString(), root.File("own/ordkamp.de"));
    root.Put("home/apps/kvtml/sv/djur.kvtml", KvtmlOfWords("Djur", "katten"));
    EXPECT_EQ(FindWordList("djur.kvtml", places).key, "sv/djur.kvtml");
    EXPECT_FALSE(FindWordList("../ordkamp.ini", places).Found());
    EXPECT_EQ(LanguageOfLocaleName("sr@latin").toStdString() + LanguageOfLocaleName("pt_BR").toStdString(), "srpt");
}

} // namespace
