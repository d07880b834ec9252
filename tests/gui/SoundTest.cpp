#include "GameFixture.h"

#include <QAction>

namespace {

struct Sound : GameWindow {
    QAction* SoundItem() const { return dlg->findChild<QAction*>(QString::number(ID_SOUND)); }
};

TEST_F(Sound, LjudTurnsThemOffAndIsKept)
{
    WriteWords({"ekorre"});
    Start();
    EXPECT_TRUE(SoundItem()->isChecked()); // on by default
    AddPlayer("Anna");
    QTest::keyClick(Guess(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(SoundItem()->isChecked());
    Type("a");
    dlg->SubtractTime(1000);
    EXPECT_TRUE(sounds.empty()); // silence

    dlg->OnExit();
    Start(); // kept in the settings file
    EXPECT_FALSE(SoundItem()->isChecked() || SoundOn());
    SoundItem()->trigger();
    EXPECT_TRUE(SoundOn());
}

} // namespace
