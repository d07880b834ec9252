#include "wordlists/Vocabulary.h"

#include "KvtmlDocument.h"

#include <gtest/gtest.h>

namespace {

// Every Swedish vocabulary file of the desktop's package loads: its name,
// how many words the game takes from it and how many entries it skips
// (empty ones, two words, letters the game refuses). Some declare UTF-8 and
// are written in Latin-1: read as written, their words count.
TEST(Vocabulary, TheDesktopsSwedishFilesLoad)
{
    QStringList loaded;
    for (const char* file :
         {"animals", "clothing", "computers", "currencies", "easy", "fruits", "hard", "inventions", "medium", "numbers",
          "objects", "people", "professions", "space", "sports", "transportation", "vegetables", "worldcapitals"}) {
        const Vocabulary vocabulary = LoadVocabulary(QStringLiteral(ORDKAMP_KVTML_FOLDER "/%1.kvtml").arg(file));
        EXPECT_EQ(vocabulary.error, VocabularyError::None) << file;
        loaded << QStringLiteral("%1 %2/%3").arg(vocabulary.title).arg(vocabulary.words.size()).arg(vocabulary.skipped);
    }
    EXPECT_EQ(loaded.join(", ").toStdString(),
              "Djur 45/1, Kläder 15/2, Datorer 14/0, Valutor 15/1, Lätt 43/1, Frukter 23/1, Svår 43/0, "
              "Uppfinningar och upptäckter 26/2, Medel 43/0, Siffror 29/6, Saker och ting 24/5, "
              "Historiska personer 2/15, Arbeten 38/1, Rymden 28/1, Sport 26/5, Färdsätt 16/4, Grönsaker 27/2, "
              "Huvudstäder 52/0");
}

std::string Document(const std::string& entries, const std::string& title = "Djur")
{
    return KvtmlDocument(title, entries);
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
        {"valid", Document(KvtmlEntry("Häst", " Ett  djur ") + KvtmlEntry("katt")), VocabularyError::None,
         "h\xe4st:Ett djur katt: ", 0, "Djur"},
        {"empty, two words, refused letters, twice",
         Document(KvtmlEntry("") + "<entry/>" + KvtmlEntry("hej då") + KvtmlEntry("r2d2") + KvtmlEntry("ĳzer")
                  + KvtmlEntry("katt", "först") + KvtmlEntry(" KATT ", "igen")),
         VocabularyError::None, "katt:f\xf6rst ", 5, "Djur"},
        {"no title: the file's name", Document(KvtmlEntry("katt"), ""), VocabularyError::None, "katt: ", 0, "djur"},
        {"Latin-1 bytes", Document(KvtmlEntry("\xe4lg", "Stort djur i skogen, st\xf6rre \xe4n en h\xe4st")),
         VocabularyError::None, "\xe4lg:Stort djur i skogen, st\xf6rre \xe4n en h\xe4st ", 0, "Djur"},
        {"not KVTML", "<?xml version=\"1.0\"?><html><body>katt</body></html>", VocabularyError::NotKvtml, "", 0,
         "djur"},
        {"empty file", "", VocabularyError::Malformed, "", 0, "djur"},
        {"cut off", Document(KvtmlEntry("katt")).substr(0, 120), VocabularyError::Malformed, "", 0, "djur"},
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
