#include "wordlists/WordListCatalog.h"

#include "engine/Dictionary.h"
#include "engine/SafeFile.h"
#include "engine/TextEncoding.h"
#include "wordlists/LanguageNames.h"
#include "wordlists/Vocabulary.h"
#include "wordlists/WordListRegistry.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

const QString kSwedish = QStringLiteral("sv");
const QString kSystemKey = QStringLiteral("dict/");
// How much of a system list tells whether its letters fit: pieces from all
// over it, as such lists begin with their capitalised words.
constexpr unsigned kSamples = 16;
constexpr std::size_t kSampleBytes = 4 << 10;

QString g_registryOverride, g_dictionaryOverride;

// "ordkamp.se" and "ordkamp-alla.se" for Swedish, "ordkamp.en" and
// "ordkamp-alla.en" for English.
QString Suffix(const QString& language)
{
    return language == kSwedish ? QStringLiteral("se") : language;
}

// The language whose lists end in `suffix`; empty for no language's.
QString LanguageOfSuffix(const QString& suffix)
{
    const QString language = suffix == QLatin1String("se") ? kSwedish : LanguageOfLocaleName(suffix);
    return !language.isEmpty() && Suffix(language) == suffix ? language : QString();
}

QString AllWordsName(const QString& language)
{
    return QStringLiteral("ordkamp-alla.") + Suffix(language);
}

bool IsFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

int KindRank(ListKind kind)
{
    return kind == ListKind::Standard ? 0 : kind == ListKind::AllWords ? 1 : 2;
}

std::string Encode(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

WordListPlaces DesktopWordListPlaces(const QString& ownFolder, const QString& gameFolder)
{
    WordListPlaces places;
    places.ownFolder = ownFolder;
    places.gameFolder = gameFolder;
    places.dataFolders = DesktopDataFolders();
    if (!g_registryOverride.isEmpty()) {
        places.registryFolder = g_registryOverride;
        places.dictionaryFolder = g_dictionaryOverride;
    }
    return places;
}

void SetSystemWordListFoldersOverride(const QString& registryFolder, const QString& dictionaryFolder)
{
    g_registryOverride = registryFolder;
    g_dictionaryOverride = dictionaryFolder;
}

QString StandardListName(const QString& language)
{
    return QStringLiteral("ordkamp.") + Suffix(language);
}

QString OwnListPath(const QString& language, const WordListPlaces& places)
{
    return QDir(places.ownFolder).filePath(StandardListName(language));
}

WordListSource StandardListOf(const QString& language, const WordListPlaces& places)
{
    WordListSource source{language, ListKind::Standard, {}, OwnListPath(language, places), StandardListName(language)};
    if (!IsFile(source.path)) {
        const QString game = QDir(places.gameFolder).filePath(StandardListName(language));
        source.path = IsFile(game) ? game : QString();
    }
    return source;
}

std::vector<WordListSource> FindWordLists(const WordListPlaces& places)
{
    std::vector<WordListSource> lists;
    // The standard and all-words lists of the game's and the player's folders.
    QSet<QString> languages;
    for (const QString& folder : {places.ownFolder, places.gameFolder})
        for (const QString& name : QDir(folder).entryList(
                 {QStringLiteral("ordkamp.*"), QStringLiteral("ordkamp-alla.*")}, QDir::Files, QDir::Name)) {
            if (const QString language = LanguageOfSuffix(QFileInfo(name).suffix()); !language.isEmpty())
                languages.insert(language);
        }
    languages.insert(kSwedish); // the game's own language: its list is offered even when it is gone
    QSet<QString> ownAllWords;
    for (const QString& language : languages) {
        WordListSource standard = StandardListOf(language, places);
        if (standard.Found() || language == kSwedish) {
            if (!standard.Found())
                standard.path = OwnListPath(language, places);
            lists.push_back(standard);
        }
        const QString allWords = QDir(places.gameFolder).filePath(AllWordsName(language));
        if (IsFile(allWords)) {
            lists.push_back({language, ListKind::AllWords, {}, allWords, AllWordsName(language)});
            ownAllWords.insert(language);
        }
    }
    for (const SystemWordList& system : ReadWordListRegistry(places.registryFolder, places.dictionaryFolder))
        if (!system.language.isEmpty() && !ownAllWords.contains(system.language))
            lists.push_back(
                {system.language, ListKind::AllWords, system.description, system.path, kSystemKey + system.hashName});
    // A country's variant of a language ("en_GB" beside "en") mostly holds
    // the same files again: a file of a name already found is not offered twice.
    QSet<QString> themes;
    for (const VocabularyFile& file : FindVocabularies(places.dataFolders)) {
        const QString language = LanguageOfLocaleName(file.folder);
        const QString name = QFileInfo(file.path).fileName();
        if (!language.isEmpty() && !themes.contains(language + QLatin1Char('/') + name)) {
            themes.insert(language + QLatin1Char('/') + name);
            lists.push_back({language, ListKind::Themed, {}, file.path, file.folder + QLatin1Char('/') + name});
        }
    }
    std::stable_sort(lists.begin(), lists.end(), [](const WordListSource& a, const WordListSource& b) {
        return std::pair(a.language, KindRank(a.kind)) < std::pair(b.language, KindRank(b.kind));
    });
    return lists;
}

WordListSource FindWordList(const QString& key, const WordListPlaces& places)
{
    QString wanted = key;
    if (!key.contains(QLatin1Char('/')) && key.endsWith(QLatin1String(".kvtml")))
        wanted = kSwedish + QLatin1Char('/') + key;
    if (wanted.startsWith(QLatin1String("ordkamp."))) { // a standard list, also one not yet made
        if (const QString language = LanguageOfSuffix(wanted.mid(8)); !language.isEmpty())
            return StandardListOf(language, places);
    }
    for (const WordListSource& source : FindWordLists(places))
        if (source.key == wanted)
            return source;
    return {};
}

QStringList OrderLanguages(const std::vector<WordListSource>& lists, const QStringList& playerLanguages)
{
    QStringList present;
    for (const WordListSource& source : lists)
        if (!present.contains(source.language))
            present << source.language;
    QStringList ordered;
    for (const QString& language : playerLanguages)
        if (present.contains(language) && !ordered.contains(language))
            ordered << language;
    QStringList rest;
    for (const QString& language : present)
        if (!ordered.contains(language))
            rest << language;
    QHash<QString, QString> names; // each asked of Qt once, not at every comparison
    for (const QString& language : rest)
        names[language] = NativeLanguageName(language);
    QCollator collator{QLocale::c()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(rest.begin(), rest.end(),
              [&](const QString& a, const QString& b) { return collator.compare(names[a], names[b]) < 0; });
    return ordered + rest;
}

bool LanguageFits(const std::vector<WordListSource>& lists, const QString& language)
{
    constexpr unsigned kEnough = 100;
    unsigned entries = 0, unfit = 0;
    for (const WordListSource& source : lists) {
        if (source.language != language)
            continue;
        CWordEngine words;
        const WordListContents contents = ReadWordList(source, words, true);
        entries += contents.entries;
        unfit += contents.unfit;
        if (entries >= kEnough)
            break;
    }
    return entries > 0 && LettersFit(unfit, entries);
}

WordListContents ReadWordList(const WordListSource& source, CWordEngine& engine, bool sampleOnly)
{
    WordListContents contents;
    engine.ClearWords();
    engine.m_hints.clear();
    if (!source.Found())
        return contents;
    if (source.kind == ListKind::Themed) {
        const Vocabulary vocabulary = LoadVocabulary(source.path);
        std::string text;
        for (const VocabularyWord& word : vocabulary.words) {
            text += word.word + '\n';
            if (!word.hint.empty())
                engine.m_hints[word.word] = word.hint;
        }
        engine.AddWordsFromText(text, SORT_BY_LENGTH);
        contents.read = vocabulary.error == VocabularyError::None;
        contents.entries = static_cast<unsigned>(vocabulary.words.size()) + vocabulary.skipped;
        contents.skipped = vocabulary.skipped;
        contents.unfit = vocabulary.unfit;
        contents.title = vocabulary.title;
        return contents;
    }
    if (source.kind == ListKind::Standard) {
        engine.m_strFileName = Encode(source.path);
        contents.read = engine.LoadWordList();
        contents.entries = static_cast<unsigned>(engine.m_words.size());
        return contents;
    }
    // A system list or the game's list of all words.
    std::string bytes;
    contents.read = bool(sampleOnly ? ReadFileSamples(Encode(source.path), bytes, kSamples, kSampleBytes)
                                    : ReadRegularFile(Encode(source.path), bytes));
    bytes = ToGameText(std::move(bytes));
    DictionaryCounts counts;
    const std::string lines = DictionaryLines(bytes, counts);
    contents.entries = counts.lines;
    contents.unfit = counts.unfit;
    if (!sampleOnly)
        engine.AddWordsFromText(lines, SORT_BY_LENGTH);
    contents.skipped =
        contents.entries - std::min<unsigned>(contents.entries, static_cast<unsigned>(engine.m_words.size()));
    return contents;
}
