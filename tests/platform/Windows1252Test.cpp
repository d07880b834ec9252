#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252, ConvertsExactlyBothWays)
{
    const struct {
        QString text;
        std::string bytes;
    } cases[] = {
        {QStringLiteral("Åsa"), "\xC5sa"},
        {QStringLiteral("åäöÅÄÖéü"), "\xE5\xE4\xF6\xC5\xC4\xD6\xE9\xFC"},
        {QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ"), "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"},
        {QStringLiteral("‘’“”•–—˜™š›œžŸ"), "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"},
        {QString(QChar(0x81)) + QChar(0x9D), "\x81\x9D"},
        {QStringLiteral("a\tb"), "a\tb"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToWindows1252(c.text), c.bytes);
        EXPECT_EQ(FromWindows1252(c.bytes), c.text);
    }
    EXPECT_EQ(ToWindows1252(QStringLiteral("Łódź 😀 Ω")), "?\363d? ? ?"); // no byte of their own
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
}

} // namespace
