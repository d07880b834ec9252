#pragma once

#include <QByteArray>

// The interface of the audio output, which the library of sound/ implements
// and the game loads from it at the first sound: a start never loads the
// audio libraries (the sound server's client, the codecs, Qt Multimedia),
// and a system without them plays silently.
class ISoundOutput {
public:
    virtual ~ISoundOutput() = default;
    // Plays 16-bit mono samples at 22 050 Hz over any sound still playing;
    // false when there is no output (no audio device, no sound server).
    virtual bool Play(const QByteArray& samples) = 0;
};

// The library's one entry point: a new output, owned by the caller. Its
// name is written once, here, for the library's definition and the game's
// look-up alike.
#define ORDKAMP_CREATE_SOUND_OUTPUT OrdkampCreateSoundOutput
#define ORDKAMP_NAME_OF(symbol) ORDKAMP_NAME_OF_TEXT(symbol)
#define ORDKAMP_NAME_OF_TEXT(symbol) #symbol
using CreateSoundOutputFunction = ISoundOutput* (*)();
inline constexpr char kCreateSoundOutput[] = ORDKAMP_NAME_OF(ORDKAMP_CREATE_SOUND_OUTPUT);
