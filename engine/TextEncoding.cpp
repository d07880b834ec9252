#include "engine/TextEncoding.h"

#include <array>
#include <optional>

namespace {

constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Decodes the UTF-8 sequence at the front of `bytes` strictly (no overlong
// forms, no surrogates, nothing past U+10FFFF) and removes it; nothing, and
// one byte removed, for a malformed sequence.
std::optional<char32_t> TakeCharacter(std::string_view& bytes)
{
    const auto lead = static_cast<unsigned char>(bytes.front());
    const std::size_t length = lead < 0x80 ? 1
        : lead >= 0xC2 && lead <= 0xDF     ? 2
        : lead >= 0xE0 && lead <= 0xEF     ? 3
        : lead >= 0xF0 && lead <= 0xF4     ? 4
                                           : 0;
    if (length == 0 || bytes.size() < length) {
        bytes.remove_prefix(1);
        return std::nullopt;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80) {
            bytes.remove_prefix(1);
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        bytes.remove_prefix(1);
        return std::nullopt;
    }
    bytes.remove_prefix(length);
    return c;
}

} // namespace

char32_t Windows1252Char(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

char Windows1252Byte(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == character)
            return static_cast<char>(0x80 + i);
    return '?';
}

bool IsUtf8Text(std::string_view bytes)
{
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        return true;
    bool multiByte = false;
    while (!bytes.empty()) {
        if (static_cast<unsigned char>(bytes.front()) < 0x80) {
            bytes.remove_prefix(1);
            continue;
        }
        if (!TakeCharacter(bytes))
            return false;
        multiByte = true;
    }
    return multiByte;
}

std::string Utf8ToWindows1252(std::string_view bytes)
{
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        bytes.remove_prefix(kByteOrderMark.size());
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty())
        text += Windows1252Byte(TakeCharacter(bytes).value_or(U'?'));
    return text;
}

std::string ToGameText(std::string bytes, bool* wasUtf8)
{
    const bool utf8 = IsUtf8Text(bytes);
    if (wasUtf8)
        *wasUtf8 = utf8;
    return utf8 ? Utf8ToWindows1252(bytes) : bytes;
}
