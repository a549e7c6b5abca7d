// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SoundFeed.h"

#include <gtest/gtest.h>

namespace {

void ExpectChunk(SoundChunk chunk, size_t sound, size_t silence) {
    EXPECT_EQ(chunk.sound, sound);
    EXPECT_EQ(chunk.silence, silence);
}

} // namespace

TEST(SoundFeed, WritesTheBeepThenItsSilenceInWholeFrames) {
    ExpectChunk(NextSoundChunk(1000, 2, 300, 600), 300, 600); // all of it fits
    ExpectChunk(NextSoundChunk(640, 2, 300, 600), 300, 340);  // the rest of the silence waits
    ExpectChunk(NextSoundChunk(200, 2, 300, 600), 200, 0);    // no silence inside the beep
    ExpectChunk(NextSoundChunk(301, 2, 300, 600), 300, 0);    // half a frame of room is none
    ExpectChunk(NextSoundChunk(7, 4, 300, 600), 4, 0);
    ExpectChunk(NextSoundChunk(3, 4, 300, 600), 0, 0);
    ExpectChunk(NextSoundChunk(0, 2, 300, 600), 0, 0);   // a full stream
    ExpectChunk(NextSoundChunk(500, 2, 0, 120), 0, 120); // only silence left
    ExpectChunk(NextSoundChunk(500, 2, 0, 0), 0, 0);     // the beep is out
}

TEST(SoundFeed, AStreamThatPlaysNothingForHalfASecondHasStopped) {
    CStallWatch watch;
    EXPECT_FALSE(watch.Stalled(0)); // the first reading is no progress yet
    for (int tick = 1; tick < 50; ++tick)
        ASSERT_FALSE(watch.Stalled(0)) << tick;
    EXPECT_TRUE(watch.Stalled(0));

    CStallWatch slowToStart;
    for (int tick = 0; tick < 49; ++tick)
        slowToStart.Stalled(1000);
    EXPECT_FALSE(slowToStart.Stalled(1200)); // any progress starts the count again
    for (int tick = 1; tick < 50; ++tick)
        ASSERT_FALSE(slowToStart.Stalled(1200)) << tick;
    EXPECT_TRUE(slowToStart.Stalled(1200));
}
