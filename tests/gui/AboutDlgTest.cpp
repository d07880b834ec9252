#include "GameFixture.h"

#include "controls/AboutDlg.h"
#include "controls/LinkFallback.h"
#include "res/AboutTemplate.h"

namespace {

constexpr double kPi = 3.141592653589793;

TEST(LinkFallback, CutsAtThePlaceholderAndAppendsTheTarget)
{
    const QString target = QStringLiteral("https://ordkamp.example.org/a b;c");
    const std::pair<const char*, std::optional<QStringList>> cases[] = {
        // registered, arguments
        {"firefox-esr %u", QStringList{"firefox-esr", target}},
        {"browser", QStringList{"browser", target}},
        {"\"/opt/Min Webbläsare/browser\" \"%1\" -new", QStringList{"/opt/Min Webbläsare/browser", target}},
        {"browser --a=\"x y\" %U", QStringList{"browser", "--a=x y", target}},
        {"\"%1\"", std::nullopt},
    };
    for (const auto& [registered, arguments] : cases)
        EXPECT_EQ(FallbackArguments(QString::fromUtf8(registered), target), arguments) << registered;
    EXPECT_EQ(FallbackArguments("/usr/bin/" + QString(480, 'x') + " %u", target), std::nullopt);
}

// The About window, its readme beside the program, the web page's handler
// the test's.
struct About : GameWindow {
    std::unique_ptr<CAboutDlg> about;
    QString lookedUp;

    void SetUp() override
    {
        GameWindow::SetUp();
        SetWebPageHandlerLookup([this] { return lookedUp; });
        WriteBytes(folder.File("README.TXT"), "x");
        about = std::make_unique<CAboutDlg>();
        about->OnInitDialog();
        about->show();
    }
    void TearDown() override
    {
        about.reset();
        SetWebPageHandlerLookup({});
        GameWindow::TearDown();
    }
};

// The figure turns towards the pointer once the icon was clicked, over the
// window's own background as over a control. F1 opens the readme, whatever
// the case of its name, without a word.
TEST_F(About, FigureAndReadme)
{
    const QPoint reference(27, 70); // the figure's centre
    about->OnPointerMoved(about->mapToGlobal(reference + QPoint(40, 0)));
    EXPECT_EQ(about->m_fAngle, 0.0f); // not before the click

    QTest::mouseClick(DialogControl(about.get(), IDC_ABOUT_ICON), Qt::LeftButton);
    about->OnPointerMoved(about->mapToGlobal(reference + QPoint(40, 40))); // below right: a quarter turn and a half
    EXPECT_NEAR(about->m_fAngle, -3 * kPi / 4, 1e-5);
    const QPoint background = reference + QPoint(10, -10); // above right: an eighth
    ASSERT_EQ(about->childAt(background), nullptr);
    QMouseEvent move(QEvent::MouseMove, background, about->mapToGlobal(background), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(about.get(), &move);
    EXPECT_NEAR(about->m_fAngle, -kPi / 4, 1e-6);

    QTest::keyClick(about.get(), Qt::Key_F1);
    EXPECT_EQ(opened, std::vector<QString>{QString::fromStdString(folder.File("README.TXT"))});
    EXPECT_TRUE(boxes.empty());
}

// A press and a release on a link open it; released off it, nothing opens.
TEST_F(About, ALinkOpensOnAReleaseOverIt)
{
    CHyperLink* link = about->m_linkWeb;
    QApplication::setActiveWindow(about.get());
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

TEST_F(About, AFailedLinkFallsBackToTheWebPageHandlerThenReports)
{
    CHyperLink* link = about->m_linkWeb;
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
    EXPECT_EQ(started[1], (QStringList{"/opt/Min webbläsare/browser", "--new-window", "https://ordkamp.example.org/"}));
}

} // namespace
