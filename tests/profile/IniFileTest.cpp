#include "profile/IniFile.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFile, ReadsLikeTheWindowsProfileFunctions)
{
    const std::string file = "top=before any section\r\n"
                             "  [ Settings ]  trailing text\r\n"
                             "Mini = 6\r\n"
                             "  MAX\t=\t9  \r\n"
                             "#hash=1\r\n"
                             ";Mini=1\r\n"
                             "   ; GameType=2\r\n"
                             "semi=a;b\r\n"
                             "dq=\" quoted \"\r\n"
                             "sq='x'\r\n"
                             "odd=\"unmatched\r\n"
                             "mixed=\"x'\r\n"
                             "empty=\r\n"
                             "just a line\r\n"
                             "mini=7\r\n"
                             "[settings]\n"
                             "Other=1\n"
                             "[Crlf]\rcr=1\rlf=2\nlast=3";
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
        {"line breaks in a value", "", "S", "name", "a\r\nb\nc", "[S]\r\nname=a  b c\r\n"},
        {"Windows-1252 bytes as they are", "", "S", "name", "\xC5sa \x80", "[S]\r\nname=\xC5sa \x80\r\n"},
    };
    for (const auto& c : cases) {
        CIniFile ini = CIniFile::Parse(c.before);
        ini.Set(c.section, c.key, c.value);
        EXPECT_EQ(ini.Serialize(), c.after) << c.what;
    }
}

} // namespace
