#include "wordlists/Vocabulary.h"

#include "KvtmlDocument.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Every Swedish vocabulary file of the desktop's package loads, with words;
// one whose title is its file's name is named as the game names it.
TEST(Vocabulary, TheDesktopsSwedishFilesLoad)
{
    const QDir folder(QStringLiteral(ORDKAMP_KVTML_FOLDER));
    const QStringList files = folder.entryList({QStringLiteral("*.kvtml")});
    ASSERT_GE(files.size(), 18); // the package installed
    for (const QString& file : files) {
        const Vocabulary vocabulary = LoadVocabulary(folder.filePath(file));
        EXPECT_TRUE(vocabulary.error == VocabularyError::None && vocabulary.words.size() > 1) << file.toStdString();
    }
    EXPECT_EQ(LoadVocabulary(folder.filePath(QStringLiteral("easy.kvtml"))).title, QStringLiteral("Lätt"));
}

// Imperfect and hostile documents: what is valid is read, the rest skipped
// or refused with its reason, in bounded time and memory.
TEST(Vocabulary, ImperfectAndHostileDocuments)
{
    std::string nested = "<kvtml>";
    for (int i = 0; i < 100'000; ++i)
        nested += "<a>";
    const std::string laughs =
        "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
        "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]>"
        "<kvtml><entries><entry><translation><text>&g;</text></translation></entry></entries></kvtml>";
    const struct {
        const char* what;
        std::string bytes;
        VocabularyError error;
        std::string words; // "word:hint " each
        unsigned skipped;
        const char* title;
    } cases[] = {
        {"valid", KvtmlDocument("Djur", KvtmlEntry("Häst", " Ett  djur ") + KvtmlEntry("katt")), VocabularyError::None,
         "h\xe4st:Ett djur katt: ", 0, "Djur"},
        {"empty, two words, refused letters, twice",
         KvtmlDocument("Djur",
                       KvtmlEntry("") + "<entry/>" + KvtmlEntry("hej då") + KvtmlEntry("r2d2") + KvtmlEntry("ĳzer")
                           + KvtmlEntry("katt", "först") + KvtmlEntry(" KATT ", "igen")),
         VocabularyError::None, "katt:f\xf6rst ", 5, "Djur"},
        {"no title: the file's name", KvtmlDocument("", KvtmlEntry("katt")), VocabularyError::None, "katt: ", 0,
         "djur"},
        {"Latin-1 bytes",
         KvtmlDocument("Djur", KvtmlEntry("\xe4lg", "Stort djur i skogen, st\xf6rre \xe4n en h\xe4st")),
         VocabularyError::None, "\xe4lg:Stort djur i skogen, st\xf6rre \xe4n en h\xe4st ", 0, "Djur"},
        {"not KVTML", "<?xml version=\"1.0\"?><html><body>katt</body></html>", VocabularyError::NotKvtml, "", 0,
         "djur"},
        {"empty file", "", VocabularyError::Malformed, "", 0, "djur"},
        {"cut off", KvtmlDocument("Djur", KvtmlEntry("katt")).substr(0, 120), VocabularyError::Malformed, "", 0,
         "djur"},
        {"nested deep", nested, VocabularyError::Malformed, "", 0, "djur"},
        {"entities expanding", laughs, VocabularyError::Malformed, "", 0, "djur"},
    };
    for (const auto& c : cases) {
        const Vocabulary vocabulary =
            ReadVocabulary(QByteArray::fromStdString(c.bytes), QStringLiteral("/x/djur.kvtml"));
        std::string words;
        for (const VocabularyWord& word : vocabulary.words)
            words += word.word + ":" + word.hint + " ";
        EXPECT_EQ(std::tuple(int(vocabulary.error), words, vocabulary.skipped, vocabulary.title.toStdString()),
                  std::tuple(int(c.error), c.words, c.skipped, std::string(c.title)))
            << c.what;
    }
}

} // namespace
