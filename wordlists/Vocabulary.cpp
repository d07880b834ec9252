#include "wordlists/Vocabulary.h"

#include "engine/Letters.h"
#include "engine/SafeFile.h"
#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>

namespace {

constexpr int kDeepest = 32; // KVTML nests six deep
constexpr int kLongestHint = 300; // characters of a hint sentence kept

// The text of the current element, whatever it holds; false on an error.
bool ReadText(QXmlStreamReader& xml, QString& text)
{
    text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    return !xml.hasError();
}

// Names for the desktop's Swedish files whose title is only their file's
// name; any other such file is named by its file.
QString NameOfUntitled(const QString& fileName)
{
    static const std::pair<const char*, const char*> names[] = {
        {"animals", "Djur"},
        {"easy", "Lätt"},
        {"medium", "Medel"},
        {"hard", "Svår"},
    };
    const QFileInfo file(fileName);
    const QString base = file.completeBaseName();
    if (file.dir().dirName() != QLatin1String("sv"))
        return base;
    for (const auto& [untitled, name] : names)
        if (base == QLatin1String(untitled))
            return QString::fromUtf8(name);
    return base;
}

} // namespace

Vocabulary ReadVocabulary(const QByteArray& bytes, const QString& fileName)
{
    Vocabulary vocabulary;
    QXmlStreamReader xml(FromFileText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    QSet<std::string> seen;
    bool inKvtml = false, firstTranslation = false;
    QString word, hint;
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (xml.name() == QLatin1String("entry")) {
                bool unfit = false;
                std::string cleaned = ToWindows1252(word, &unfit);
                CleanWord(cleaned);
                LowerCaseWord(cleaned);
                if (!IsValidWord(cleaned)) {
                    ++vocabulary.skipped;
                    vocabulary.unfit += unfit;
                } else if (!seen.contains(cleaned)) {
                    seen.insert(cleaned);
                    std::string sentence = ToWindows1252(hint.simplified().left(kLongestHint));
                    vocabulary.words.push_back({std::move(cleaned), std::move(sentence)});
                }
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (++depth > kDeepest) {
            xml.raiseError(QStringLiteral("nested too deep"));
            break;
        }
        const auto name = xml.name();
        if (depth == 1) {
            inKvtml = name == QLatin1String("kvtml");
            if (!inKvtml)
                break;
        } else if (name == QLatin1String("title") && vocabulary.title.isEmpty()) {
            if (!ReadText(xml, vocabulary.title))
                break;
            --depth;
        } else if (name == QLatin1String("entry")) {
            word.clear();
            hint.clear();
            firstTranslation = true;
        } else if (name == QLatin1String("translation")) {
            if (!firstTranslation) {
                xml.skipCurrentElement();
                --depth;
            }
            firstTranslation = false;
        } else if (name == QLatin1String("text") || name == QLatin1String("comment")) {
            if (!ReadText(xml, name == QLatin1String("text") ? word : hint))
                break;
            --depth;
        }
    }
    if (xml.hasError() || !inKvtml) {
        const VocabularyError error =
            !inKvtml && !xml.hasError() ? VocabularyError::NotKvtml : VocabularyError::Malformed;
        vocabulary = Vocabulary{};
        vocabulary.error = error;
    }
    vocabulary.title = vocabulary.title.simplified();
    if (vocabulary.title.isEmpty() || vocabulary.title.endsWith(QLatin1String(".kvtml")))
        vocabulary.title = NameOfUntitled(fileName);
    return vocabulary;
}

Vocabulary LoadVocabulary(const QString& path)
{
    std::string bytes;
    const FileResult read =
        ReadRegularFile(QFile::encodeName(path).toStdString(), bytes, static_cast<std::uint64_t>(kMaxVocabularyBytes));
    if (!read) {
        Vocabulary vocabulary;
        vocabulary.title = NameOfUntitled(path);
        vocabulary.error = read.error == FileError::TooLarge ? VocabularyError::TooLarge : VocabularyError::Unreadable;
        return vocabulary;
    }
    return ReadVocabulary(QByteArray::fromStdString(bytes), path);
}

QStringList DesktopDataFolders()
{
    QStringList folders;
    folders << qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    folders << qEnvironmentVariable("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"))
                   .split(':', Qt::SkipEmptyParts);
    return folders;
}

std::vector<VocabularyFile> FindVocabularies(const QStringList& dataFolders)
{
    std::vector<VocabularyFile> files;
    QSet<QString> seen;
    for (const QString& folder : dataFolders) {
        const QDir kvtml(folder + QStringLiteral("/apps/kvtml"));
        for (const QString& language : kvtml.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QDir dir(kvtml.filePath(language));
            for (const QString& name :
                 dir.entryList({QStringLiteral("*.kvtml")}, QDir::Files | QDir::Readable, QDir::Name)) {
                const QString key = language + QLatin1Char('/') + name;
                if (seen.contains(key))
                    continue;
                seen.insert(key);
                files.push_back({language, dir.filePath(name)});
            }
        }
    }
    return files;
}
