// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SoundFeed.h"

#include <algorithm>

SoundChunk NextSoundChunk(size_t freeBytes, size_t frameBytes, size_t soundLeft,
                          size_t silenceLeft) {
    const size_t room = freeBytes - freeBytes % frameBytes;
    const size_t sound = std::min(room, soundLeft);
    return {sound, std::min(room - sound, silenceLeft)};
}

bool CStallWatch::Stalled(int64_t playedUSecs) {
    m_stillTicks = playedUSecs == m_played ? m_stillTicks + 1 : 0;
    m_played = playedUSecs;
    return m_stillTicks >= kStallTicks;
}
