#include "profile/IniFile.h"
#include "profile/Profile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFile, ReadsLikeTheWindowsProfileFunctions)
{
    const std::string file = "top=before any section\r\n  [ Settings ]  trailing text\r\nMini = 6\r\n  MAX\t=\t9  \r\n"
                             "#hash=1\r\n;Mini=1\r\n   ; GameType=2\r\nsemi=a;b\r\ndq=\" quoted \"\r\nsq='x'\r\n"
                             "odd=\"unmatched\r\nmixed=\"x'\r\nempty=\r\njust a line\r\nmini=7\r\n"
                             "[settings]\nOther=1\n[Crlf]\rcr=1\rlf=2\nlast=3";
    const CIniFile ini = CIniFile::Parse(file);
    const struct {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"Settings", "Mini", "6"},
        {"SETTINGS", "max", "9"},
        {" settings ", " Mini ", "6"},
        {"Settings", "GameType", std::nullopt},
        {"Settings", "semi", "a;b"},
        {"Settings", "dq", " quoted "},
        {"Settings", "mixed", "\"x'"},
        {"Settings", "empty", ""},
        {"Settings", "Other", std::nullopt}, // only the first of two equal sections
        {"Settings", "top", std::nullopt},
        {"Crlf", "cr", "1"},
        {"Crlf", "last", "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.Get(c.section, c.key), c.value) << c.section << '/' << c.key;
}

TEST(IniFile, WritesChangeOnlyWhatTheyMust)
{
    const struct {
        const char* what;
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    } cases[] = {
        {"in place, keeping the key's spelling", "[S]\r\nKey = old ; x\r\nb=2\r\n", "s", "KEY", "new",
         "[S]\r\nKey=new\r\nb=2\r\n"},
        {"after the last key of its section", "[S]\r\na=1\r\n;note\r\n\r\n[T]\r\nb=2\r\n", "S", "c", "3",
         "[S]\r\na=1\r\nc=3\r\n;note\r\n\r\n[T]\r\nb=2\r\n"},
        {"a new section at the end", "; head\r\n[S]\r\na=1\r\n", "New", "k", "v",
         "; head\r\n[S]\r\na=1\r\n[New]\r\nk=v\r\n"},
        {"after a last line without an end", "[S]\na=1", "T", "k", "v", "[S]\r\na=1\r\n[T]\r\nk=v\r\n"},
    };
    for (const auto& c : cases) {
        CIniFile ini = CIniFile::Parse(c.before);
        ini.Set(c.section, c.key, c.value);
        EXPECT_EQ(ini.Serialize(), c.after) << c.what;
    }
}

TEST(Profile, IntegersReadAsWindowsReadsThem)
{
    const struct {
        std::string value;
        int def;
        int read;
    } cases[] = {
        {"42A9", 7, 42},      {"-17", 7, -17},       {"+8", 7, 8},
        {"abc", 7, 0},        {"-", 7, 0},           {"", 7, 7},
        {"4294967297", 7, 1}, {"4294967295", 7, -1}, {"2147483648", 7, -2147483647 - 1},
        {"0012", 7, 12},      {"1 2", 7, 1},
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
