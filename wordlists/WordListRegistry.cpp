#include "wordlists/WordListRegistry.h"

#include "engine/SafeFile.h"
#include "platform/Windows1252.h"
#include "wordlists/LanguageNames.h"

#include <QDir>
#include <QFile>

namespace {

// A registry file is a few hundred bytes.
constexpr std::uint64_t kMaxRegistryBytes = 64 << 10;

} // namespace

std::vector<SystemWordList> ReadWordListRegistry(const QString& registryFolder, const QString& dictionaryFolder)
{
    std::vector<SystemWordList> lists;
    const QDir registry(registryFolder);
    for (const QString& name : registry.entryList(QDir::Files | QDir::Readable, QDir::Name)) {
        std::string bytes;
        if (!ReadRegularFile(QFile::encodeName(registry.filePath(name)).toStdString(), bytes, kMaxRegistryBytes))
            continue;
        SystemWordList list;
        const auto finish = [&] {
            // A hash name is a file name in the dictionary folder, never a path.
            if (!list.hashName.isEmpty() && !list.hashName.contains(QLatin1Char('/'))
                && !list.hashName.startsWith(QLatin1Char('.'))) {
                list.language = LanguageOfDescription(list.description);
                list.path = QDir(dictionaryFolder).filePath(list.hashName);
                lists.push_back(list);
            }
            list = SystemWordList{};
        };
        for (const QString& line : FromFileText(bytes).split(QLatin1Char('\n'))) {
            if (line.trimmed().isEmpty()) {
                finish();
                continue;
            }
            const QString field = line.section(QLatin1Char(':'), 0, 0).trimmed();
            const QString value = line.section(QLatin1Char(':'), 1).trimmed();
            if (field.compare(QLatin1String("Language"), Qt::CaseInsensitive) == 0)
                list.description = value;
            else if (field.compare(QLatin1String("Hash-Name"), Qt::CaseInsensitive) == 0)
                list.hashName = value;
        }
        finish();
    }
    return lists;
}
