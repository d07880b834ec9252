#include "profile/Profile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(Profile, IntegersReadAsWindowsReadsThem)
{
    const struct {
        std::string value;
        int def;
        int read;
    } cases[] = {
        {"42", 7, 42},
        {"42A9", 7, 42},
        {"-17", 7, -17},
        {"+8", 7, 8},
        {"abc", 7, 0},
        {"-", 7, 0},
        {"", 7, 7},
        {"4294967297", 7, 1},
        {"4294967295", 7, -1},
        {"2147483648", 7, -2147483647 - 1},
        {"0012", 7, 12},
        {"1 2", 7, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileInt(c.value, c.def), c.read) << c.value;
}

struct ProfileFile : ::testing::Test {
    TempFolder folder;
    void SetUp() override { SetAppPathOverride(folder.Path().string()); }
    void TearDown() override { SetAppPathOverride({}); }
};

TEST_F(ProfileFile, ValuesThroughTheProgramFolder)
{
    EXPECT_EQ(std::to_string(GetIniInt("S", "n", 9, "ordkamp.ini", true))
                  + GetIniString("S", "t", "-", "ordkamp.ini", true)
                  + GetIniString("S", "t", nullptr, "ordkamp.ini", true),
              "9-");

    ASSERT_TRUE(WriteIniInt("S", "n", -3, "ordkamp.ini", true));
    ASSERT_TRUE(WriteIniString("S", "t", std::string(600, 'a').c_str(), "ordkamp.ini", true));
    ASSERT_TRUE(WriteIniString("S", "e", "", "ordkamp.ini", true));
    EXPECT_EQ(GetIniInt("s", "N", 9, "ordkamp.ini", true), -3);
    EXPECT_EQ(GetIniString("S", "t", "-", "ordkamp.ini", true), std::string(511, 'a'));
    EXPECT_EQ(GetIniString("S", "e", "-", "ordkamp.ini", true)
                  + std::to_string(GetIniInt("S", "e", 9, "ordkamp.ini", true)),
              "9");
    EXPECT_EQ(ReadBytes(folder.File("ordkamp.ini")).substr(0, 15), "[S]\r\nn=-3\r\nt=aa");

    const std::string elsewhere = folder.File("other.ini");
    ASSERT_TRUE(WriteIniInt("S", "n", 4, elsewhere.c_str(), false));
    EXPECT_EQ(GetIniInt("S", "n", 0, elsewhere.c_str(), false), 4);
}

} // namespace
