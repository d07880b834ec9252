#include "res/Strings.h"

#include <gtest/gtest.h>

namespace {

TEST(Strings, FormatFillsPlaceholdersInOrder)
{
    EXPECT_EQ(FormatString(IDS_RIGHT, {"210", "kastade"}), QStringLiteral("Rätt, 210 poäng! (kastade)"));
    EXPECT_EQ(FormatString(IDS_ROUND, {"1"}), QStringLiteral(" - Omgång: 1 "));
    EXPECT_EQ(FormatString(IDS_NEXT_PLAYER, {"100% %s"}), QStringLiteral("\r\nNästa spelare: 100% %s"));
    EXPECT_EQ(FormatString(IDS_WRONG, {}), QStringLiteral("Tyvärr! Rätt svar: "));
    EXPECT_EQ(LoadString(1), QString());
}

} // namespace
