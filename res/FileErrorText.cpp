#include "res/FileErrorText.h"

#include "res/Strings.h"

#include <cstring>

QString FileErrorText(const FileResult& result)
{
    switch (result.error) {
    case FileError::None:
        return {};
    case FileError::NotRegular:
        return LoadString(IDS_FILE_NOT_REGULAR);
    case FileError::TooLarge:
        return LoadString(IDS_FILE_TOO_LARGE);
    case FileError::ReadOnly:
        return LoadString(IDS_FILE_READ_ONLY);
    case FileError::Missing:
    case FileError::System:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(result.systemError));
}
