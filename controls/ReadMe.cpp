#include "controls/ReadMe.h"

#include "controls/TextWindow.h"
#include "engine/SafeFile.h"
#include "platform/Shell.h"
#include "platform/Windows1252.h"
#include "profile/Profile.h"
#include "res/Strings.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString AppFolderFile(const QString& fileName)
{
    const QDir folder(QFile::decodeName(QByteArray::fromStdString(GetDocPath())));
    if (!folder.exists(fileName)) {
        const QStringList matches =
            folder.entryList({fileName}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
        for (const QString& match : matches)
            if (match.compare(fileName, Qt::CaseInsensitive) == 0)
                return folder.filePath(match);
    }
    return folder.filePath(fileName);
}

QString ReadMeFileName()
{
    return LoadString(IDS_README_LINK);
}

bool ShowReadMeInside(QWidget* parent, const QString& fileName)
{
    const QString path = AppFolderFile(fileName);
    constexpr std::uint64_t kLargestReadme = 4 << 20; // the game's own readme is a few kB
    std::string bytes;
    if (!ReadRegularFile(QFile::encodeName(path).toStdString(), bytes, kLargestReadme))
        return false;
    QString text = FromWindows1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ShowTextWindow(parent, QFileInfo(path).fileName(), text, TextLines::AsWritten);
    return true;
}

bool OpenReadMe(QString fileName)
{
    const intptr_t result = ShellOpen(AppFolderFile(fileName));
    if (static_cast<uintptr_t>(result) > 32)
        return true;
#ifndef NDEBUG
    qDebug("(ORDLIB) README ERROR CODE: %d", static_cast<int>(result));
#endif
    return false;
}
