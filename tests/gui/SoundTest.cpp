#include "GameFixture.h"

#include <QAction>

namespace {

struct Sound : GameWindow {
    QAction* SoundItem() const { return dlg->findChild<QAction*>(QString::number(ID_SOUND)); }
};

TEST_F(Sound, EachEventItsSoundAndLjudTurnsThemOff)
{
    WriteWords({"ekorre"});
    Start();
    EXPECT_TRUE(SoundItem()->isChecked()); // on by default
    AddPlayer("Anna");
    ChooseGame(GAME_ANAGRAM);
    Type("a");
    Type("ekorre");
    EXPECT_EQ(sounds, std::vector<unsigned>{SOUND_SOLVED});

    QTest::keyClick(Guess(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(SoundItem()->isChecked());
    Tick();
    Type("a");
    dlg->SubtractTime(1000);
    EXPECT_EQ(sounds.size(), 1u); // silence

    dlg->OnExit();
    EXPECT_NE(ReadBytes(folder.File("ordkamp.ini")).find("Sound=0"), std::string::npos);
    Start();
    EXPECT_FALSE(SoundItem()->isChecked());
    SoundItem()->trigger();
    EXPECT_TRUE(SoundOn());
}

} // namespace
