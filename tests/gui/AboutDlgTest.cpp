#include "GameFixture.h"

#include "controls/AboutDlg.h"
#include "res/AboutTemplate.h"

namespace {

constexpr double kPi = 3.141592653589793;

// The figure turns towards the pointer once the icon was clicked, over the
// window's own background as over a control. F1 opens the readme, whatever
// the case of its name, without a word.
TEST_F(GameWindow, AboutWindowsFigureAndReadme)
{
    WriteBytes(folder.File("README.TXT"), "x");
    CAboutDlg about;
    about.OnInitDialog();
    about.show();
    const QPoint reference(27, 70); // the figure's centre
    about.OnPointerMoved(about.mapToGlobal(reference + QPoint(40, 0)));
    EXPECT_EQ(about.m_fAngle, 0.0f); // not before the click

    QTest::mouseClick(DialogControl(&about, IDC_ABOUT_ICON), Qt::LeftButton);
    about.OnPointerMoved(about.mapToGlobal(reference + QPoint(40, 40))); // below right: a quarter turn and a half
    EXPECT_NEAR(about.m_fAngle, -3 * kPi / 4, 1e-5);
    const QPoint background = reference + QPoint(10, -10); // above right: an eighth
    ASSERT_EQ(about.childAt(background), nullptr);
    QMouseEvent move(QEvent::MouseMove, background, about.mapToGlobal(background), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&about, &move);
    EXPECT_NEAR(about.m_fAngle, -kPi / 4, 1e-6);

    QTest::keyClick(&about, Qt::Key_F1);
    EXPECT_EQ(opened, std::vector<QString>{QString::fromStdString(folder.File("README.TXT"))});
    EXPECT_TRUE(boxes.empty());
}

} // namespace
