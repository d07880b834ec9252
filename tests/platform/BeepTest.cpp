#include "platform/Beep.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// No audio device and no sound server here (nor in CI): the real sounds
// play into nothing, without a crash, a hang or a sanitizer's complaint.
TEST(Beep, WithoutAnAudioDevicePlayingIsQuiet)
{
    SetBeepHook({});
    SetSoundFolder(QStringLiteral(ORDKAMP_SOUND_FOLDER));
    for (const unsigned type : {unsigned{SOUND_TICK}, unsigned{SOUND_TIME_OUT}, unsigned{SOUND_SOLVED},
                                unsigned{SOUND_WRONG_LETTER}, unsigned{BEEP_SIMPLE}, unsigned{SOUND_TICK}})
        AppBeep(type); // the last cuts one short
    QCoreApplication::processEvents();
    SetSoundFolder({});
    EXPECT_TRUE(SoundOn());
}

} // namespace
