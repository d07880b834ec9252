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

// No audio device and no sound server here (nor in CI): the real sounds
// play into nothing, without a crash, a hang or a sanitizer's complaint.
TEST_F(Sound, WithoutAnAudioDevicePlayingIsQuiet)
{
    SetBeepHook({});
    SetSoundFolder(QStringLiteral(ORDKAMP_SOUND_FOLDER));
    for (int round = 0; round < 3; ++round)
        for (const unsigned type : {unsigned{SOUND_TICK}, unsigned{SOUND_TIME_OUT}, unsigned{SOUND_SOLVED},
                                    unsigned{SOUND_WRONG_LETTER}, unsigned{BEEP_SIMPLE}})
            AppBeep(type);
    QCoreApplication::processEvents();
    SetSoundFolder({});
    EXPECT_TRUE(SoundOn());
}

} // namespace
