#pragma once

#include <QByteArray>

// The audio output. It lives in a library of its own, loaded at the first
// sound: a start never loads the audio libraries (the sound server's client,
// the codecs, Qt Multimedia), and a system without them plays silently.
class ISoundOutput {
public:
    virtual ~ISoundOutput() = default;
    // Plays 16-bit mono samples at 22 050 Hz over any sound still playing;
    // false when there is no output (no audio device, no sound server).
    virtual bool Play(const QByteArray& samples) = 0;
};

// The library's one entry point: a new output, owned by the caller.
using CreateSoundOutputFunction = ISoundOutput* (*)();
inline constexpr char kCreateSoundOutput[] = "OrdkampCreateSoundOutput";
