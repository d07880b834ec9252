#include "GameFixture.h"

#include "Version.h"
#include "controls/AboutDlg.h"
#include "res/AboutTemplate.h"

#include <cstdlib>

namespace {

constexpr double kPi = 3.141592653589793;

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
    about->OnPointerMoved(Reference() + QPoint(40, 40)); // below right: a quarter turn and a half
    EXPECT_NEAR(about->m_fAngle, -3 * kPi / 4, 1e-5);
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
    EXPECT_EQ(about->m_linkReadMe->m_strLink, QString::fromStdString(folder.File("README.TXT"))); // whatever its case
    // The version from the build; the readme sentence ends where the readme link begins.
    QLabel *version = nullptr, *sentence = nullptr;
    for (QLabel* label : about->findChildren<QLabel*>()) {
        version = label->text() == "Ordkamp " ORDKAMP_VERSION ? label : version;
        sentence = label->text().startsWith("För mer information") ? label : sentence;
    }
    ASSERT_TRUE(version && sentence);
    EXPECT_LE(std::abs(sentence->geometry().right() + 1 - about->m_linkReadMe->geometry().left()), 2);

    QTest::keyClick(about.get(), Qt::Key_F1);
    EXPECT_EQ(opened.size() + boxes.size(), 1u); // the readme, without a word
}

} // namespace
