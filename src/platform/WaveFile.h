// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// Uncompressed sound as a RIFF/WAVE file holds it.
struct WaveSound {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed little-endian)
    std::string samples;   // whole frames only
};

// Reads PCM sound with one or two channels of 8 or 16 bits; nothing for any
// other or a damaged file.
std::optional<WaveSound> ParseWave(std::string_view bytes);
