#include "GameFixture.h"

#include "Version.h"
#include "controls/AboutDlg.h"
#include "res/AboutDialog.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

TEST(AboutFigure, UprightFigureAtTheWindowsPlace)
{
    QImage image(60, 100, QImage::Format_RGB32);
    const QColor background(255, 0, 0);
    image.fill(background);
    {
        QPainter painter(&image);
        DrawFigure(painter, 27, 70, 0, 5);
    }
    const std::vector<QPoint> vertices = {{37, 55}, {27, 65}, {17, 55}, {37, 85}, {17, 85}};
    for (const QPoint& v : vertices)
        EXPECT_EQ(image.pixelColor(v), QColor(Qt::black)) << v.x() << ',' << v.y();
    // The erased square is exactly x 8..45, y 51..88.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x >= 8 && x <= 45 && y >= 51 && y <= 88;
            EXPECT_EQ(image.pixelColor(x, y) != background, inside) << x << ',' << y;
        }
    }
}

struct About : GameWindow {
    std::unique_ptr<CAboutDlg> about;
    void Open()
    {
        about = std::make_unique<CAboutDlg>();
        about->OnInitDialog();
        about->show();
    }
    QPoint Reference() const { return about->mapToGlobal(QPoint(27, 70)); }
};

TEST_F(About, FigureTurnsTowardsThePointerOnceTheIconWasClicked)
{
    Open();
    about->OnPointerMoved(Reference() + QPoint(40, 0));
    EXPECT_EQ(about->m_fAngle, 0.0f); // not before the click

    QTest::mouseClick(DialogControl(about.get(), IDC_ABOUT_ICON), Qt::LeftButton);
    const struct { QPoint offset; double angle; } cases[] = {
        {{40, 0}, -kPi / 2}, {{-40, 0}, -3 * kPi / 2}, {{40, 40}, -3 * kPi / 4},
    };
    for (const auto& c : cases) {
        about->OnPointerMoved(Reference() + c.offset);
        EXPECT_NEAR(about->m_fAngle, c.angle, 1e-5) << c.offset.x() << ',' << c.offset.y();
    }
    about->OnPointerMoved(Reference() + QPoint(40, 0));
    about->OnPointerMoved(Reference() + QPoint(0, -30)); // exactly above: nothing changes
    EXPECT_NEAR(about->m_fAngle, -kPi / 2, 1e-6);

    // A move over the window's own background turns it as well as one over a control.
    const QPoint background = about->mapFromGlobal(Reference()) + QPoint(10, -10);
    QMouseEvent move(QEvent::MouseMove, background, about->mapToGlobal(background), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    ASSERT_EQ(about->childAt(background), nullptr);
    QApplication::sendEvent(about.get(), &move);
    EXPECT_NEAR(about->m_fAngle, -kPi / 4, 1e-6);

    Open(); // a new window starts upright and still
    EXPECT_FALSE(about->m_fAngle != 0.0f || about->m_bFollowMouse);
}

TEST_F(About, LinksAndTexts)
{
    WriteBytes(folder.File("README.TXT"), "x");
    Open();
    EXPECT_EQ(about->windowTitle(), "Om Ordkamp 2...");
    EXPECT_EQ(about->m_linkWeb->text(), "ordkamp.example.org");
    EXPECT_EQ(about->m_linkMail->m_strLink, "mailto:ordkamp@example.org");
    EXPECT_EQ(about->m_linkReadMe->m_strLink, QString::fromStdString(folder.File("README.TXT")));
    // The version from the build; the readme sentence ends where the readme link begins.
    QLabel *version = nullptr, *sentence = nullptr;
    for (QLabel* label : about->findChildren<QLabel*>()) {
        version = label->text() == "Ordkamp " ORDKAMP_VERSION ? label : version;
        sentence = label->text().startsWith("För mer information") ? label : sentence;
    }
    ASSERT_TRUE(version && sentence);
    EXPECT_EQ(sentence->alignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_LE(std::abs(sentence->geometry().right() + 1 - about->m_linkReadMe->geometry().left()), 2);

    QTest::keyClick(about.get(), Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(boxes.empty());
}

} // namespace
