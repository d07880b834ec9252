#include "GameFixture.h"

#include "controls/HyperLink.h"
#include "controls/LinkFallback.h"

#include <functional>

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

    CHyperLink* Attach(const QString& text, Qt::Alignment alignment, QRect rect = {20, 30, 200, 40})
    {
        auto* label = new QLabel(text, &dialog);
        label->setObjectName("1004");
        label->setAlignment(alignment);
        label->setGeometry(rect);
        auto* link = new CHyperLink;
        link->SubclassDlgItem(1004, &dialog);
        return link;
    }
};

TEST_F(Links, FitsItsTextKeepingTheAlignedEdge)
{
    // The template's rectangle is (20, 30) 200 x 40; w and h are the text's size.
    const struct { Qt::Alignment alignment; std::function<QRect(int w, int h)> expected; } cases[] = {
        {Qt::AlignLeft | Qt::AlignTop, [](int w, int h) { return QRect(20, 30, w, h); }},
        {Qt::AlignRight | Qt::AlignTop, [](int w, int h) { return QRect(220 - w, 30, w, h); }},
        {Qt::AlignLeft | Qt::AlignVCenter,
         [](int w, int h) { const int cut = (40 - h) / 2; return QRect(20, 30 + cut, w, 40 - 2 * cut); }},
    };
    for (const auto& c : cases) {
        CHyperLink* link = Attach(QStringLiteral("ordkamp.example.org"), c.alignment);
        const QFontMetrics metrics(link->font());
        EXPECT_EQ(link->geometry(), c.expected(metrics.horizontalAdvance(link->text()), metrics.height()))
            << int(c.alignment);
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->objectName(), "1004");
        delete link;
    }
}

TEST_F(Links, TargetAndTextFillEachOther)
{
    CHyperLink* fromText = Attach(QStringLiteral("ordkamp.example.org"), Qt::AlignLeft);
    EXPECT_EQ(fromText->m_strLink, "ordkamp.example.org");
    EXPECT_EQ(fromText->toolTip(), "ordkamp.example.org");
    delete fromText;

    auto* label = new QLabel(&dialog);
    label->setObjectName("1005");
    CHyperLink* fromTarget = new CHyperLink;
    fromTarget->SetLink(QStringLiteral("mailto:ordkamp@example.org"));
    fromTarget->SubclassDlgItem(1005, &dialog);
    EXPECT_EQ(fromTarget->text(), "mailto:ordkamp@example.org");

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
    EXPECT_EQ(link->CtlColor(), QColor(0, 128, 128));
    EXPECT_TRUE(opened.empty());
    // Dragged off the link and released elsewhere: nothing opens.
    const QPoint off(link->width() + 20, link->height() / 2);
    QTest::mouseMove(link, off);
    QTest::mouseRelease(link, Qt::LeftButton, {}, off);
    EXPECT_TRUE(opened.empty());
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "https://ordkamp.example.org/"); // without the URL: wrapper
    EXPECT_TRUE(link->m_bVisited);
    EXPECT_EQ(link->CtlColor(), QColor(0, 128, 128));
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
    EXPECT_EQ(boxes[0].first, OpenErrorText(31));
    EXPECT_EQ(boxes[0].second, unsigned{MB_OK | MB_ICONEXCLAMATION});
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
