// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SoundPlayer.h"

#include <chrono>
#include <memory>
#include <string>

class QThread;

// The sound of a wrong key: "error.wav" from the current folder, else from
// the program folder, read once, at the first call of Load or Play, and
// played without waiting. Without the file or a sound device it stays
// silent. The sound is played in a thread of its own, so that talking to
// the sound server never holds up the key that caused it. A stream that
// stopped playing (its sound server restarted or hangs) is let go, and the
// next beep opens a new one. The program builds one and hands it to the
// exercises as their ErrorBeep.
class CErrorSound {
public:
    using SinkOpener = SoundPlayer::SinkOpener;

    // How long the stream stays open after a beep, for the next one.
    static constexpr std::chrono::milliseconds kQuietTime{1000};

    // Plays on the system's default sound device.
    explicit CErrorSound(std::string programFolder);
    CErrorSound(std::string programFolder, SinkOpener openSink,
                std::chrono::milliseconds quietTime = kQuietTime);
    ~CErrorSound();
    CErrorSound(const CErrorSound&) = delete;
    CErrorSound& operator=(const CErrorSound&) = delete;

    void Load();
    void Play();

private:
    std::string m_programFolder;
    SinkOpener m_openSink;
    std::chrono::milliseconds m_quietTime;
    bool m_loaded = false;
    std::unique_ptr<QThread> m_thread;
    // Lives in m_thread, which deletes it when it finishes.
    SoundPlayer* m_player = nullptr;
};
