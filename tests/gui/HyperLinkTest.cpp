#include "GameFixture.h"

#include "controls/HyperLink.h"
#include "controls/LinkFallback.h"

namespace {

TEST(LinkFallback, CutsAtThePlaceholderAndAppendsTheTarget)
{
    const QString target = QStringLiteral("https://ordkamp.example.org/a b;c");
    const struct { const char* registered; std::optional<QStringList> arguments; } cases[] = {
        {"firefox-esr %u", QStringList{"firefox-esr", target}},
        {"\"/opt/Min Webbläsare/browser\" \"%1\" -new", QStringList{"/opt/Min Webbläsare/browser", target}},
        {"browser --new-window %U", QStringList{"browser", "--new-window", target}},
        {"browser", QStringList{"browser", target}},
        {"browser --a=\"x y\" %u", QStringList{"browser", "--a=x y", target}}, {"\"%1\"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FallbackArguments(QString::fromUtf8(c.registered), target), c.arguments) << c.registered;

    EXPECT_EQ(FallbackArguments("/usr/bin/" + QString(480, 'x') + " %u", target), std::nullopt);
    EXPECT_EQ(SplitDesktopExec(QStringLiteral("  \"a b\" \"x\\\"y\\\\\" 100%% plain ")),
              (QStringList{"a b", "x\"y\\", "100%", "plain"}));
    EXPECT_EQ(OpenErrorText(4), "Can't open link:\n\nUnknown Error (4) occurred.");
}

TEST(HyperLinkColour, FirstMatchingStateWins)
{
    const QColor blue(0, 0, 255), teal(0, 128, 128), purple(128, 0, 128), red(255, 0, 0);
    const struct { bool hover, active, visited; uint32_t style; QColor colour; } cases[] = {
        {true, false, false, 0x15, blue},     // hover colour is off by default
        {true, true, true, 0x17, red},
        {false, true, true, 0x15, teal},      // active beats visited while focused
        {false, true, true, 0x55, purple},    // unless the active colour is off
        {false, true, false, 0x55, blue},
    };
    for (const auto& c : cases) {
        CHyperLink link;
        link.m_bHover = c.hover;
        link.m_bActive = c.active;
        link.m_bVisited = c.visited;
        link.m_dwLinkStyle = c.style;
        EXPECT_EQ(link.CtlColor(), c.colour) << c.hover << c.active << c.visited << ' ' << c.style;
    }
}

struct Links : GameWindow {
    QWidget dialog;
    QString lookedUp;

    void SetUp() override
    {
        GameWindow::SetUp();
        SetWebPageHandlerLookup([this] { return lookedUp; });
    }
    void TearDown() override
    {
        SetWebPageHandlerLookup({});
        GameWindow::TearDown();
    }

    // A link over a label at (20, 30), 200 x 40.
    CHyperLink* Attach(const QString& text, Qt::Alignment alignment)
    {
        auto* label = new QLabel(text, &dialog);
        label->setObjectName("1004");
        label->setAlignment(alignment);
        label->setGeometry(20, 30, 200, 40);
        auto* link = new CHyperLink;
        link->SubclassDlgItem(1004, &dialog);
        return link;
    }
};

// The link shrinks to its text, keeping the edge its label was aligned to;
// a link without a target takes its text as one.
TEST_F(Links, FitsItsTextAndTakesItAsTarget)
{
    CHyperLink* link = Attach(QStringLiteral("ordkamp.example.org"), Qt::AlignRight | Qt::AlignTop);
    const QFontMetrics metrics(link->font());
    const int width = metrics.horizontalAdvance(link->text());
    EXPECT_EQ(link->geometry(), QRect(220 - width, 30, width, metrics.height()));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->m_strLink, "ordkamp.example.org");
}

TEST_F(Links, PressActivatesReleaseOpensVisitedAfterFocusLeaves)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    CHyperLink* link = Attach(QStringLiteral("ordkamp.example.org"), Qt::AlignLeft);
    link->SetLink(QStringLiteral("URL:https://ordkamp.example.org/"));
    auto* other = new QLineEdit(&dialog);
    other->show();

    QTest::mousePress(link, Qt::LeftButton);
    EXPECT_TRUE(link->m_bActive);
    // Dragged off the link and released elsewhere: nothing opens.
    const QPoint off(link->width() + 20, link->height() / 2);
    QTest::mouseMove(link, off);
    QTest::mouseRelease(link, Qt::LeftButton, {}, off);
    EXPECT_TRUE(opened.empty());
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "https://ordkamp.example.org/"); // without the URL: wrapper
    other->setFocus();
    EXPECT_FALSE(link->m_bActive);
    EXPECT_EQ(link->CtlColor(), QColor(128, 0, 128));

    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Links, FailureFallsBackToTheWebPageHandlerThenReports)
{
    CHyperLink* link = Attach(QStringLiteral("ordkamp.example.org"), Qt::AlignLeft);
    shellResult = SE_ERR_NO_ASSOCIATION;

    link->FollowLink(); // no handler: the desktop's own code is reported
    EXPECT_EQ(sounds, std::vector<unsigned>{MB_ICONEXCLAMATION});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], std::make_pair(OpenErrorText(31), unsigned{MB_OK | MB_ICONEXCLAMATION}));
    EXPECT_FALSE(link->m_bVisited);

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
