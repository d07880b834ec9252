#include "platform/Beep.h"
#include "sound/SoundMixer.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace {

bool AudioLibrariesLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// The audio libraries are loaded at the first sound, not before. No audio
// device and no sound server here (nor in CI): the real sounds play into
// nothing, without a crash, a hang or a sanitizer's complaint.
TEST(SoundOutput, AudioLoadsAtTheFirstSoundAndWithoutADeviceIsQuiet)
{
    SetBeepHook({});
    SetSoundFolder(QStringLiteral(ORDKAMP_SOUND_FOLDER));
    EXPECT_FALSE(AudioLibrariesLoaded());
    for (const unsigned type : {unsigned{SOUND_TICK}, unsigned{SOUND_TIME_OUT}, unsigned{SOUND_SOLVED},
                                unsigned{SOUND_WRONG_LETTER}, unsigned{BEEP_SIMPLE}, unsigned{SOUND_TICK}})
        AppBeep(type); // the last cuts one short
    EXPECT_TRUE(AudioLibrariesLoaded());
    QCoreApplication::processEvents();
    SetSoundFolder({});
}

QByteArray Samples(std::initializer_list<qint16> values)
{
    QByteArray bytes;
    for (const qint16 value : values)
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    return bytes;
}

// The stream never runs dry; sounds start after the lead-in, overlap by
// adding up (within 16 bits) and end whole.
TEST(SoundMixer, PlaysEverySoundWholeOverSilence)
{
    CSoundMixer mixer(2);
    EXPECT_EQ(mixer.read(6), Samples({0, 0, 0})); // silence: nothing plays
    mixer.Add(Samples({100, 200, 300}));
    mixer.Add(Samples({30000, 30000}));
    EXPECT_FALSE(mixer.IsSilent());
    EXPECT_EQ(mixer.read(4), Samples({30100, 30200}));
    mixer.Add(Samples({-5}));
    EXPECT_EQ(mixer.read(8), Samples({295, 0, 0, 0}));
    EXPECT_TRUE(mixer.IsSilent());
    mixer.Add(Samples({-30000, 5}));
    mixer.Add(Samples({-30000}));
    EXPECT_EQ(mixer.read(4), Samples({-32768, 5}));
}

} // namespace
