// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WaveFile.h"

#include <cstdint>

namespace {

constexpr size_t kRiffHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kFormatChunkSize = 16;
constexpr uint16_t kPcmFormat = 1;

uint32_t ReadLittleEndian(std::string_view bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

bool ReadFormat(std::string_view chunk, WaveSound& sound) {
    if (chunk.size() < kFormatChunkSize || ReadLittleEndian(chunk, 0, 2) != kPcmFormat)
        return false;
    sound.channels = static_cast<int>(ReadLittleEndian(chunk, 2, 2));
    sound.sampleRate = static_cast<int>(ReadLittleEndian(chunk, 4, 4));
    sound.bitsPerSample = static_cast<int>(ReadLittleEndian(chunk, 14, 2));
    return (sound.channels == 1 || sound.channels == 2) &&
           (sound.bitsPerSample == 8 || sound.bitsPerSample == 16) && sound.sampleRate > 0 &&
           sound.sampleRate <= 384'000;
}

} // namespace

std::optional<WaveSound> ParseWave(std::string_view bytes) {
    if (bytes.size() < kRiffHeaderSize || bytes.substr(0, 4) != "RIFF" ||
        bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    WaveSound sound;
    bool haveFormat = false;
    for (size_t at = kRiffHeaderSize; at + kChunkHeaderSize <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const size_t size = ReadLittleEndian(bytes, at + 4, 4);
        at += kChunkHeaderSize;
        if (size > bytes.size() - at)
            return std::nullopt;
        const std::string_view chunk = bytes.substr(at, size);
        if (id == "fmt ") {
            haveFormat = ReadFormat(chunk, sound);
            if (!haveFormat)
                return std::nullopt;
        } else if (id == "data" && haveFormat) {
            const size_t frameSize = static_cast<size_t>(sound.channels * sound.bitsPerSample / 8);
            sound.samples = std::string(chunk.substr(0, chunk.size() - chunk.size() % frameSize));
            return sound;
        }
        at += size + size % 2; // chunks are padded to an even size
    }
    return std::nullopt;
}
