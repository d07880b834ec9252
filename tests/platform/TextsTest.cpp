// The game's texts: in which language, filled in, on a message box's
// buttons, and in the files' code page.

#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Windows1252.h"
#include "res/Strings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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
        {"", {"sv-SE"}, Language::Swedish},   {"", {"de-DE", "sv-FI"}, Language::Swedish},
        {"", {"en-GB"}, Language::English},   {"", {}, Language::English},
        {"sv", {"en-US"}, Language::Swedish}, {"en", {"sv-SE"}, Language::English},
        {"fi", {"sv-SE"}, Language::Swedish}, // an unknown setting follows the desktop
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.setting, c.desktop), c.language)
            << c.setting << ' ' << c.desktop.join(',').toStdString();
}

TEST(Strings, FormatFillsPlaceholdersInOrder)
{
    EXPECT_EQ(FormatString(IDS_RIGHT, {"210", "kastade"}), QStringLiteral("Rätt, 210 poäng! (kastade)"));
    EXPECT_EQ(FormatString(IDS_NEXT_PLAYER, {"100% %s"}), QStringLiteral("\r\nNästa spelare: 100% %s"));
    EXPECT_EQ(FormatString(IDS_WRONG, {}), QStringLiteral("Tyvärr! Rätt svar: "));
    EXPECT_EQ(LoadString(1), QString());
}

TEST(Windows1252, ConvertsExactlyBothWays)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    // Latin-1 but for 0x80-0x9F; the five bytes the code page leaves out keep their code.
    const QString high = QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    EXPECT_EQ(FromWindows1252(all),
              QString::fromLatin1(all.substr(0, 0x80)) + high + QString::fromLatin1(all.substr(0xA0)));
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
    EXPECT_EQ(ToWindows1252(QStringLiteral("Łódź 😀 Ω")), "?\363d? ? ?"); // no byte of their own
}

// The real box, answered by pressing its default button as soon as it shows.
TEST(MessageBox, ButtonsSpeakSwedishAndKeepTheirDefault)
{
    const struct {
        unsigned type;
        const char* buttons;
        int result;
    } cases[] = {
        {MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3, "&Ja|&Nej|Avbryt|", IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON2, "&Ja|&Nej|", IDNO},
        {MB_RETRYCANCEL | MB_ICONEXCLAMATION, "&Försök igen|Avbryt|", IDRETRY},
        {MB_OK, "OK|", IDOK},
    };
    SetMessageBoxHook({});
    QApplication::setOverrideCursor(Qt::WaitCursor); // a box asked from work under way
    for (const auto& c : cases) {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
            for (QAbstractButton* button : box->buttons())
                if (box->standardButton(button) != QMessageBox::NoButton)
                    shown << button->text();
            box->defaultButton()->click();
        });
        EXPECT_EQ(AppMessageBox(nullptr, QStringLiteral("?"), c.type), c.result) << c.buttons;
        shown.sort(); // the order on screen is the style's; the texts are ours
        EXPECT_EQ(shown.join('|') + '|', QString::fromUtf8(c.buttons));
    }
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
