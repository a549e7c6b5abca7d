// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/StatFile.h"
#include "platform/FileError.h"
#include "pupils/PlausibleRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace {

using testing::HasSubstr;

const std::string kPath = "/szkoła/Pupils/Ala/stat.dat";

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

std::string Repeat(int value, int times) {
    return std::string(times, static_cast<char>(value));
}

StatRecord MakeRun(const std::string& lesson, double cpm = 100.0, double date = 40000.5,
                   double errors = 1.0) {
    StatRecord run;
    run.lesson = lesson;
    run.charsPerMinute = cpm;
    run.date = COleDateTime(date);
    run.errorPercent = errors;
    return run;
}

CPupilStats Decode(const std::string& bytes) {
    CPupilStats stats;
    DecodeStatFile(bytes, kPath, stats);
    return stats;
}

// A file with a bit of everything the format can hold.
CPupilStats VariedStats() {
    CPupilStats stats;
    stats.push_back(MakeRun("abc"));
    stats.push_back(MakeRun("\xA3\xB9ka \xBF\xF3\xB3w", 250.25, 45000.75, 0.0)); // Łąka żółw
    stats.push_back(MakeRun(std::string(300, 'x'), 0.0, -1.5, 100.0));
    StatRecord odd = MakeRun("");
    odd.date = COleDateTime(0.0, COleDateTime::null);
    odd.reservedText1 = "r1";
    odd.reservedText2 = std::string(255, 'q');
    odd.reservedValue1 = -3.5;
    odd.reservedValue2 = 1e300;
    stats.push_back(odd);
    stats.m_charErrors = {{'a', 3}, {'\xB9', -2}, {'\0', 2147483647}};
    return stats;
}

// One run whose texts a Unicode build of the framework wrote: the lesson
// "Żółw", and "Żółw" with a character outside the BMP.
std::string WideTextFile() {
    const std::string lesson =
        Bytes({0xFF, 0xFE, 0xFF, 4, 0x7B, 0x01, 0xF3, 0x00, 0x42, 0x01, 'w', 0});
    const std::string reserved = Bytes(
        {0xFF, 0xFE, 0xFF, 6, 0x7B, 0x01, 0xF3, 0x00, 0x42, 0x01, 'w', 0, 0x3D, 0xD8, 0x00, 0xDE});
    return Bytes({1, 0, 0, 0}) + lesson + Repeat(0, 28) + reserved + Bytes({0}) + Repeat(0, 16) +
           Repeat(0, 4);
}

} // namespace

TEST(StatFileTest, OneRunAndOneCharacterTakeSixtyThreeBytes) {
    const std::string example =
        Bytes({1,    0, 0, 0, 3, 'a', 'b', 'c',  0,    0, 0, 0, 0, 0, 0, 0, 0,    0, 2,
               0x40, 0, 0, 0, 0, 0,   0,   0x5E, 0x40, 0, 0, 0, 0, 0, 0, 4, 0x40, 0, 0}) +
        Repeat(0, 16) + Bytes({1, 0, 0, 0, 'a', 3, 0, 0, 0});
    ASSERT_EQ(example.size(), 63u);

    CPupilStats stats;
    stats.push_back(MakeRun("abc", 120.0, 2.25, 2.5));
    stats.m_charErrors = {{'a', 3}};
    EXPECT_EQ(EncodeStatFile(stats), example);

    const CPupilStats read = Decode(example);
    EXPECT_EQ(static_cast<const CStatRecordArray&>(read), stats);
    EXPECT_EQ(read.m_charErrors, stats.m_charErrors);
}

TEST(StatFileTest, LessonNamesCarryTheFrameworksLengthPrefixes) {
    const std::pair<size_t, std::string> cases[] = {
        {0, Bytes({0})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& [length, prefix] : cases) {
        CPupilStats stats;
        stats.push_back(MakeRun(std::string(length, 'L')));
        const std::string bytes = EncodeStatFile(stats);
        EXPECT_EQ(bytes.substr(4, prefix.size()), prefix) << length;
        EXPECT_EQ(bytes.size(), 4 + prefix.size() + length + 46 + 4) << length;
        EXPECT_EQ(Decode(bytes).front().lesson, stats.front().lesson) << length;
    }
}

TEST(StatFileTest, ReadingAndWritingAgainReproducesTheFile) {
    const std::string written = EncodeStatFile(VariedStats());
    const CPupilStats read = Decode(written);
    EXPECT_EQ(read.size(), 4u);
    EXPECT_EQ(read[3].date.GetStatus(), COleDateTime::null);
    EXPECT_EQ(EncodeStatFile(read), written);
}

TEST(StatFileTest, SixteenBitTextIsConvertedToWindows1250) {
    const CPupilStats stats = Decode(WideTextFile());
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0].lesson, "\xAF\xF3\xB3w");
    EXPECT_EQ(stats[0].reservedText1, "\xAF\xF3\xB3w?");

    const std::string doubleMark = Bytes({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF});
    EXPECT_THROW(Decode(doubleMark), FileError);
}

TEST(StatFileTest, EveryCutOfAFileIsAClearErrorNamingIt) {
    const std::string whole = EncodeStatFile(VariedStats());
    for (size_t length = 0; length < whole.size(); ++length) {
        try {
            Decode(whole.substr(0, length));
            ADD_FAILURE() << "a file cut after " << length << " bytes was read";
        } catch (const FileError& error) {
            EXPECT_EQ(error.Path(), kPath);
            EXPECT_THAT(error.what(), HasSubstr(kPath));
            EXPECT_THAT(error.what(), HasSubstr(length == 0 ? "pusty" : "urywa"));
        }
    }
}

TEST(StatFileTest, CountsAndLengthsTheFileCannotHoldAreRefused) {
    const std::string files[] = {
        Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + Repeat(0, 60),               // runs
        Bytes({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 1, 0, 0, 0}),  // characters
        Bytes({1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), // 4-byte length
        Bytes({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
        Bytes({1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x80}) + Repeat(0, 60), // 16-bit
    };
    for (const std::string& file : files)
        EXPECT_THROW(Decode(file), FileError);
}

TEST(StatFileTest, ForeignAndOverlongFilesAreRefused) {
    std::string sound = EncodeStatFile(VariedStats());
    EXPECT_THROW(Decode(sound + "x"), FileError);
    EXPECT_THROW(Decode("[General]\r\ndescription=Lekcja pierwsza\r\n"), FileError);
}

// A date is valid (0), invalid (1) or null (2); any other status, a negative
// one included, means the file is not what the reader takes it for.
TEST(StatFileTest, OnlyTheThreeDateStatesAreRead) {
    CPupilStats oneRun;
    oneRun.push_back(MakeRun("a"));
    const std::string bytes = EncodeStatFile(oneRun);
    const size_t status = 4 + 2;
    const auto withStatus = [&](std::initializer_list<int> statusBytes) {
        return bytes.substr(0, status) + Bytes(statusBytes) + bytes.substr(status + 4);
    };
    EXPECT_EQ(Decode(withStatus({0, 0, 0, 0})).front().date.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(Decode(withStatus({1, 0, 0, 0})).front().date.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(Decode(withStatus({2, 0, 0, 0})).front().date.GetStatus(), COleDateTime::null);
    const std::pair<std::string, std::string> refused[] = {
        {withStatus({3, 0, 0, 0}), "nieznany stan daty (3)"},
        {withStatus({0xFF, 0xFF, 0xFF, 0xFF}), "nieznany stan daty (-1)"},
        {withStatus({0, 0, 0, 0x80}), "nieznany stan daty (-2147483648)"},
    };
    for (const auto& [file, message] : refused) {
        try {
            Decode(file);
            ADD_FAILURE() << "read despite " << message;
        } catch (const FileError& error) {
            EXPECT_THAT(error.what(), HasSubstr(message));
        }
    }
}

TEST(StatFileTest, KeepsWhatWasReadWholeBeforeTheDamage) {
    const CPupilStats varied = VariedStats();
    CPupilStats firstTwo;
    firstTwo.assign(varied.begin(), varied.begin() + 2);
    const size_t thirdRunStart = EncodeStatFile(firstTwo).size() - 4;
    CPupilStats partial;
    const std::string cutInThirdRun = EncodeStatFile(varied).substr(0, thirdRunStart + 20);
    EXPECT_THROW(DecodeStatFile(cutInThirdRun, kPath, partial), FileError);
    ASSERT_EQ(partial.size(), 2u);
    EXPECT_EQ(partial[1], varied[1]);
    EXPECT_TRUE(partial.m_charErrors.empty());
}

// Damaged files of every kind: whatever the bytes, reading ends in success
// or FileError, and what was read survives writing and reading again.
TEST(StatFileTest, MutatedFilesNeverBreakTheReader) {
    const std::string originals[] = {EncodeStatFile(VariedStats()), WideTextFile()};
    std::mt19937 random(20261207);
    const auto below = [&](size_t n) {
        return std::uniform_int_distribution<size_t>(0, n - 1)(random);
    };
    int readable = 0;
    for (int mutation = 0; mutation < 4000; ++mutation) {
        std::string bytes = originals[mutation % 2];
        for (size_t edits = 1 + below(4); edits > 0 && !bytes.empty(); --edits) {
            const size_t at = below(bytes.size());
            switch (below(4)) {
            case 0:
                bytes[at] = static_cast<char>(below(256));
                break;
            case 1:
                bytes[at] = static_cast<char>(0xFF);
                break;
            case 2:
                bytes.erase(at, 1 + below(8));
                break;
            default:
                bytes.insert(at, 1 + below(8), static_cast<char>(below(256)));
                break;
            }
        }
        try {
            const CPupilStats stats = Decode(bytes);
            ++readable;
            const std::string again = EncodeStatFile(stats);
            EXPECT_EQ(EncodeStatFile(Decode(again)), again);
        } catch (const FileError& error) {
            EXPECT_EQ(error.Path(), kPath);
            CPupilStats salvaged;
            EXPECT_THROW(DecodeStatFile(bytes, kPath, salvaged), FileError);
            KeepPlausibleRuns(salvaged);
            for (const StatRecord& run : salvaged)
                EXPECT_TRUE(IsPlausibleRun(run)) << run.lesson;
        }
    }
    EXPECT_GT(readable, 0);
}
