#pragma once

#include "platform/WaveFile.h"

#include <functional>
#include <optional>

class QAudioFormat;
class QAudioSink;
class SoundPlayer;

// The sound of a wrong key: "error.wav" from the current folder, else from
// the program folder, read once, at the first call of Load or Play, and
// played without waiting. Without the file or a sound device it stays
// silent. A stream that stopped playing (its sound server restarted or
// hangs) is let go, and the next beep opens a new one. The program builds
// one and reaches it through its context.
class CErrorSound {
public:
    // A new stream for sound of this format, or null when nothing can play it.
    using SinkOpener = std::function<QAudioSink*(const QAudioFormat&)>;

    // Plays on the system's default sound device.
    CErrorSound();
    explicit CErrorSound(SinkOpener openSink);
    ~CErrorSound();
    CErrorSound(const CErrorSound&) = delete;
    CErrorSound& operator=(const CErrorSound&) = delete;

    void Load();
    void Play();

private:
    SinkOpener m_openSink;
    bool m_loaded = false;
    std::optional<WaveSound> m_sound;
    SoundPlayer* m_player = nullptr;
};
