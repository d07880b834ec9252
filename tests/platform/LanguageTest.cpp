#include "platform/Language.h"

#include <gtest/gtest.h>

namespace {

// A choice made in the game stands; otherwise Swedish only where the desktop
// asks for it, anywhere in its list.
TEST(Language, ChosenInTheGameElseTheDesktops)
{
    const struct {
        const char* setting;
        QStringList desktop;
        Language language;
    } cases[] = {
        {"", {"sv-SE"}, Language::Swedish},
        {"", {"de-DE", "sv-FI"}, Language::Swedish},
        {"", {"en-GB"}, Language::English},
        {"", {"C"}, Language::English},
        {"", {}, Language::English},
        {"sv", {"en-US"}, Language::Swedish},
        {"en", {"sv-SE"}, Language::English},
        {"fi", {"sv-SE"}, Language::Swedish}, // an unknown setting follows the desktop
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.setting, c.desktop), c.language)
            << c.setting << ' ' << c.desktop.join(',').toStdString();
}

} // namespace
