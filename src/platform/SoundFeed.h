// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// What one tick of feeding a beep writes into an audio stream: the next
// bytes of the beep, then bytes of silence.
struct SoundChunk {
    size_t sound = 0;
    size_t silence = 0;
};

// The chunk for a stream with room for `freeBytes` now, when `soundLeft`
// bytes of the beep are still to go and after them `silenceLeft` bytes of
// the silence that carries its end out of the stream's buffers. Both are
// whole frames of `frameBytes`; a stream takes whole frames only.
SoundChunk NextSoundChunk(size_t freeBytes, size_t frameBytes, size_t soundLeft,
                          size_t silenceLeft);

// Feed ticks in a row without progress after which a stream counts as
// stopped: half a second at the feed's pace of one tick every 10 ms.
constexpr int kStallTicks = 50;

// Tells a stream that stopped playing from one that is only slow to start.
// A stream whose sound server went away or hangs takes nothing more and
// never plays again, so a beep fed into it would keep the feed ticking.
class CStallWatch {
public:
    // How far the stream has played, read at one feed tick; true once it has
    // not moved for kStallTicks ticks in a row.
    bool Stalled(int64_t playedUSecs);

private:
    int64_t m_played = -1;
    int m_stillTicks = 0;
};
