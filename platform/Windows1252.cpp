#include "platform/Windows1252.h"

#include "engine/TextEncoding.h"

#include <QList>

QString FromWindows1252(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char ch : bytes)
        text += QChar(static_cast<char16_t>(Windows1252Char(static_cast<unsigned char>(ch))));
    return text;
}

QString FromFileText(std::string_view bytes)
{
    return IsUtf8Text(bytes) ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                             : FromWindows1252(bytes);
}

std::string ToWindows1252(const QString& text, bool* unfit)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t c : text.toUcs4()) {
        bytes += Windows1252Byte(c);
        if (unfit && bytes.back() == '?' && c != U'?')
            *unfit = true;
    }
    return bytes;
}
