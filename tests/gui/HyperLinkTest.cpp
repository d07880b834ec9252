#include "GameFixture.h"

#include "controls/HyperLink.h"
#include "controls/LinkFallback.h"

#include <QAccessible>

namespace {

TEST(LinkFallback, CutsAtThePlaceholderAndAppendsTheTarget)
{
    const QString target = QStringLiteral("https://ordkamp.example.org/a b;c");
    const struct {
        const char* registered;
        std::optional<QStringList> arguments;
    } cases[] = {
        {"firefox-esr %u", QStringList{"firefox-esr", target}},
        {"browser", QStringList{"browser", target}},
        {"\"/opt/Min Webbläsare/browser\" \"%1\" -new", QStringList{"/opt/Min Webbläsare/browser", target}},
        {"browser --a=\"x y\" %U", QStringList{"browser", "--a=x y", target}},
        {"\"%1\"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FallbackArguments(QString::fromUtf8(c.registered), target), c.arguments) << c.registered;
    EXPECT_EQ(FallbackArguments("/usr/bin/" + QString(480, 'x') + " %u", target), std::nullopt);
}

struct Links : GameWindow {
    QWidget dialog;
    QString lookedUp;
    CHyperLink* link = nullptr;

    void SetUp() override
    {
        GameWindow::SetUp();
        SetWebPageHandlerLookup([this] { return lookedUp; });
        auto* label = new QLabel(QStringLiteral("ordkamp.example.org"), &dialog);
        label->setObjectName("1004");
        link = new CHyperLink;
        link->SubclassDlgItem(1004, &dialog);
    }
    void TearDown() override
    {
        SetWebPageHandlerLookup({});
        GameWindow::TearDown();
    }
};

// A press and a release on the link open it; released off it, nothing opens.
TEST_F(Links, ReleaseOnTheLinkOpensIt)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    link->SetLink(QStringLiteral("URL:https://ordkamp.example.org/"));
    const QPoint off(link->width() + 20, link->height() / 2);
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseMove(link, off);
    QTest::mouseRelease(link, Qt::LeftButton, {}, off);
    EXPECT_TRUE(opened.empty());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<QString>{"https://ordkamp.example.org/"}); // without the URL: wrapper
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_EQ(opened.size(), 3u);
    // To a screen reader: a link, reached with Tab, that says where it leads and opens.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
    EXPECT_EQ(
        std::tuple(accessible->role(), accessible->text(QAccessible::Value), bool(link->focusPolicy() & Qt::TabFocus)),
        std::tuple(QAccessible::Link, QStringLiteral("https://ordkamp.example.org/"), true));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opened.size(), 4u);
}

TEST_F(Links, FailureFallsBackToTheWebPageHandlerThenReports)
{
    shellResult = SE_ERR_NO_ASSOCIATION;
    link->FollowLink(); // no handler: the desktop's own code is reported
    EXPECT_EQ(sounds, std::vector<unsigned>{MB_ICONEXCLAMATION});
    EXPECT_EQ(boxes.at(0), std::make_pair(OpenErrorText(31), unsigned{MB_OK | MB_ICONEXCLAMATION}));

    lookedUp = QStringLiteral("/nonexistent/browser %u");
    startResult = false;
    link->FollowLink();
    EXPECT_EQ(boxes.back().first, OpenErrorText(2));

    lookedUp = QStringLiteral("\"/opt/Min webbläsare/browser\" --new-window %u");
    startResult = true;
    link->FollowLink();
    EXPECT_TRUE(link->m_bVisited);
    EXPECT_EQ(boxes.size(), 2u);
    ASSERT_EQ(started.size(), 2u); // the link is one argument, nothing goes through a shell
    EXPECT_EQ(started[1], (QStringList{"/opt/Min webbläsare/browser", "--new-window", "ordkamp.example.org"}));
}

} // namespace
