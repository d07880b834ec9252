#include "ReadMe.h"

#include "Profile.h"
#include "Shell.h"

#include <QDebug>
#include <QDir>
#include <QFile>

QString AppFolderFile(const QString& fileName)
{
    const QDir folder(QFile::decodeName(QByteArray::fromStdString(GetDocPath())));
    if (!folder.exists(fileName)) {
        const QStringList matches = folder.entryList({fileName}, QDir::Files | QDir::Hidden,
                                                      QDir::Name | QDir::IgnoreCase);
        for (const QString& match : matches)
            if (match.compare(fileName, Qt::CaseInsensitive) == 0)
                return folder.filePath(match);
    }
    return folder.filePath(fileName);
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
