// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WaveFile.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::string LittleEndian(uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::string Chunk(const std::string& id, const std::string& body) {
    return id + LittleEndian(static_cast<uint32_t>(body.size()), 4) + body;
}

std::string Format(int format, int channels, int rate, int bits) {
    const int frame = channels * bits / 8;
    return Chunk("fmt ", LittleEndian(format, 2) + LittleEndian(channels, 2) +
                             LittleEndian(rate, 4) + LittleEndian(rate * frame, 4) +
                             LittleEndian(frame, 2) + LittleEndian(bits, 2));
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + LittleEndian(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

} // namespace

TEST(WaveFile, ReadsPcmSoundPastOtherChunks) {
    const std::string samples = "\x01\x02\x03\x04\x05\x06";
    const auto sound = ParseWave(Riff(Format(1, 1, 22050, 16) + Chunk("LIST", "abc") +
                                      std::string(1, '\0') + Chunk("data", samples)));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->sampleRate, 22050);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->bitsPerSample, 16);
    EXPECT_EQ(sound->samples, samples);

    const auto stereo = ParseWave(Riff(Format(1, 2, 8000, 16) + Chunk("data", "\1\2\3\4\5\6")));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->samples, "\1\2\3\4"); // whole frames only
}

TEST(WaveFile, RefusesWhatItCannotPlayOrTrust) {
    EXPECT_FALSE(ParseWave(""));
    EXPECT_FALSE(ParseWave("RIFF....AVI LIST"));
    EXPECT_FALSE(ParseWave(Riff(Format(3, 1, 44100, 32) + Chunk("data", "abcd")))); // float
    EXPECT_FALSE(ParseWave(Riff(Format(1, 6, 44100, 16) + Chunk("data", "abcd"))));
    EXPECT_FALSE(ParseWave(Riff(Chunk("data", "abcd")))); // no format
    std::string cut = Riff(Format(1, 1, 22050, 16) + Chunk("data", "abcdef"));
    cut.resize(cut.size() - 2);
    EXPECT_FALSE(ParseWave(cut));
    std::string huge = Riff(Format(1, 1, 22050, 16)) + "data" + LittleEndian(0xFFFFFFFF, 4);
    EXPECT_FALSE(ParseWave(huge));
}
