// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramContext.h"
#include "pupils/PupilsFixture.h"

#include "exercise/WeakKeys.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/FileFaults.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/PupilFolders.h"
#include "pupils/StoreRun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace {

using KeyStatsFileTest = PupilsFixture;

// count first tries of key, wrong of them wrong (spread evenly), each right
// one taking ms.
std::vector<KeyPress> Presses(char key, int count, int wrong, int16_t ms = 200) {
    std::vector<KeyPress> presses;
    for (int i = 0; i < count; ++i)
        presses.push_back({key, (i + 1) * wrong / count == i * wrong / count, ms});
    return presses;
}

// A pupil who typed each of the home row's and a few more letters count
// times with 2 errors in 100.
CKeyStats UsualPupil(int count = 100) {
    CKeyStats stats;
    for (const char key : std::string("asdfjklgheruio"))
        stats.Add(Presses(key, count, count / 50));
    return stats;
}

std::string Ranked(const CKeyStats& stats) {
    std::string keys;
    for (const WeakKey& weak : RankWeakKeys(stats))
        keys += weak.key;
    return keys;
}

} // namespace

TEST(WeakKeys, AKeyIsWeakOnlyWhenClearlyWorseThanThePupilsOthers) {
    struct Row {
        const char* what;
        char key;
        int presses, errors;
        const char* listed;
    };
    const Row rows[] = {
        {"10 errors in 100 among keys at 2 in 100", 'p', 100, 10, "p"},
        {"one slip on a rarely typed key", 'x', 20, 1, ""},
        {"two slips in 20: could be chance", 'x', 20, 2, ""},
        {"6 in 20 cannot be chance", 'x', 20, 6, "x"},
        {"seen too little to judge", 'q', 19, 10, ""},
        {"3 in 100: as good as the others", 'p', 100, 3, ""},
        {"Enter is no key to drill", '\r', 100, 40, ""},
        {"nor the space bar", ' ', 100, 40, ""},
        {"nor Tab", '\t', 100, 40, ""},
        {"a capital apart from its letter", 'K', 60, 12, "K"},
    };
    for (const Row& row : rows) {
        CKeyStats stats = UsualPupil();
        stats.Add(Presses(row.key, row.presses, row.errors));
        EXPECT_EQ(Ranked(stats), row.listed) << row.what;
    }
}

TEST(WeakKeys, ARateExactlyHalfAgainThePupilsUsualIsNoWeakness) {
    CKeyStats stats;
    for (const char key : std::string("asdfjkl"))
        stats.Add(Presses(key, 400, 40)); // 10 % everywhere
    stats.Add(Presses('g', 400, 60));     // 15 %: exactly half again
    EXPECT_EQ(Ranked(stats), "");
    stats.Add(Presses('h', 400, 90));
    EXPECT_EQ(Ranked(stats), "h");
    EXPECT_NEAR(RankWeakKeys(stats).front().usualErrorRate, 0.1 * 7 / 8 + 0.15 / 8, 0.01);

    // Measured rates sit on the limit exactly: seven keys at 1 error in 8,
    // g at 1.5 times that, then just over it.
    std::string oneIn8 = "tastrum klawisze 2\n";
    for (const char* key : {"97", "100", "102", "106", "107", "108", "115"})
        oneIn8 += std::string(key) + " 400 50 400 50 30 3.75 200 350 0.125\n";
    EXPECT_EQ(
        Ranked(CKeyStats::Decode(oneIn8 + "103 400 75 400 75 30 5.625 200 325 0.1875\n", "k")), "");
    EXPECT_EQ(Ranked(CKeyStats::Decode(oneIn8 + "103 400 76 400 76 30 5.7 200 324 0.19\n", "k")),
              "g");
}

TEST(WeakKeys, AMendedKeyLeavesTheListAfterAFairNumberOfGoodPresses) {
    CKeyStats stats = UsualPupil(300);
    stats.Add(Presses('p', 300, 60));
    ASSERT_EQ(Ranked(stats), "p");
    const double worst = RankWeakKeys(stats).front().worstErrorRate;
    EXPECT_NEAR(worst, 0.2, 0.03);
    stats.Add(Presses('p', 20, 0));
    EXPECT_EQ(Ranked(stats), "p") << "20 good presses are not yet proof";
    stats.Add(Presses('p', 60, 0));
    EXPECT_EQ(Ranked(stats), "") << "80 good presses are";
    EXPECT_EQ(stats.Keys().at('p').worstErrorRate, worst);
    EXPECT_EQ(stats.Keys().at('p').errors, 60) << "the count keeps every error";
}

// Shift and AltGr take their own time: a capital or a Polish letter is
// compared with keys typed the same way.
TEST(WeakKeys, SlownessIsJudgedAmongKeysTypedTheSameWay) {
    CKeyStats stats = UsualPupil();
    for (const char key : std::string("ASDFJ"))
        stats.Add(Presses(key, 40, 0, 400));
    for (const char key : Utf8ToCp1250("ąęśł"))
        stats.Add(Presses(key, 40, 0, 450));
    EXPECT_EQ(Ranked(stats), "") << "chords take longer than plain keys";
    stats.Add(Presses('K', 40, 0, 700));
    stats.Add(Presses('b', 40, 0, 320));
    stats.Add(Presses('n', 40, 0, 290));
    EXPECT_EQ(Ranked(stats), "Kb") << "n is not half again as slow as the median";
    stats.Add(Presses('m', 40, 0, 300));
    EXPECT_EQ(Ranked(stats), "Kb") << "m is exactly half again as slow";
    stats.Add(Presses('c', 40, 0, 301));
    EXPECT_EQ(Ranked(stats), "Kbc") << "c is just over";
    std::vector<KeyPress> slowSlips = Presses('v', 40, 0, 200);
    slowSlips.insert(slowSlips.end(), 2, KeyPress{'v', false, 3000});
    stats.Add(slowSlips);
    EXPECT_EQ(Ranked(stats), "Kbc") << "only right presses are timed, never v's slow slips";
    const WeakKey slow = RankWeakKeys(stats).front();
    EXPECT_TRUE(slow.slow);
    EXPECT_DOUBLE_EQ(slow.msPerPress, 700);
    EXPECT_DOUBLE_EQ(slow.score, 1.75);
}

TEST(WeakKeys, TheFileReadsBackAndADamagedOneIsRefused) {
    CKeyStats stats = UsualPupil();
    stats.Add(Presses('\xBF', 25, 5, 187));
    EXPECT_EQ(CKeyStats::Decode(stats.Encode(), "k"), stats);
    const std::string heading = "tastrum klawisze 2\n";
    for (const std::string& damaged : {
             std::string(""), std::string("inny plik\n"),
             stats.Encode() + "97 1 0 1 0 1 0 10 1 0\n",           // a key twice
             heading + "97 1 0 1 2 1 0 10 1 0\n",                  // more errors than presses
             heading + "97 1 0 1 0 1 0 nan 1 0\n",                 // no time
             heading + "0 1 0 1 0 1 0 10 1 0\n",                   // no character
             heading + "97 3 1 3 1 3 1 10 3 0\n",                  // more timed than right presses
             heading + "97 1 0 1 0 1 0 10 1\n",                    // a field short
             std::string("tastrum klawisze 1\n97 1 0 1.5 10 0\n"), // a rate over 1
         })
        EXPECT_THROW(CKeyStats::Decode(damaged, "k"), FileError) << damaged;
}

// Measurements kept before capitals stood apart are read, not refused.
TEST(WeakKeys, TheFirstVersionOfTheFileIsReadOn) {
    const CKeyStats stats =
        CKeyStats::Decode("tastrum klawisze 1\n97 500 40 0.1 210 400\n108 0 3 0.15 0 0\n"
                          "98 10 30 0.2 200 0\n99 10 2 0.2 200 50\n",
                          "k");
    EXPECT_EQ(stats.TotalPresses(), 520);
    const KeyStat& a = stats.Keys().at('a');
    EXPECT_EQ(a.errors, 40);
    EXPECT_DOUBLE_EQ(a.RecentErrorRate(), 0.1);
    EXPECT_DOUBLE_EQ(a.recentMs, 210);
    EXPECT_FALSE(stats.Keys().contains('l')) << "errors counted before measuring are left behind";
    EXPECT_EQ(stats.Keys().at('b').errors, 10) << "so are those beyond the key's presses";
    EXPECT_DOUBLE_EQ(stats.Keys().at('b').RecentErrorRate(), 0.2);
    EXPECT_EQ(stats.Keys().at('c').timedPresses, 8) << "never more timed than right presses";
}

TEST_F(KeyStatsFileTest, MeasurementsLiveBesideStatDatWithItsSafety) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {{'l', 4}});
    const std::string statFile = ReadFile(GetStatFilePath(Pupils(), "Ala"));
    EXPECT_EQ(LoadKeyStats(Pupils(), "Ala").TotalPresses(), 0)
        << "stat.dat's old errors make no key weak";

    StoreKeyPresses(Pupils(), "Ala", Presses('l', 10, 0));
    EXPECT_EQ(LoadKeyStats(Pupils(), "Ala").Keys().at('l').presses, 10);
    EXPECT_EQ(ReadFile(GetStatFilePath(Pupils(), "Ala")), statFile) << "stat.dat keeps its bytes";

    // A read error changes nothing and is reported.
    const std::string measured = ReadFile(GetKeyStatsPath(Pupils(), "Ala"));
    {
        const CScopedFileFault fault([](FileCall call, const std::string& path) {
            return call == FileCall::Open && path.ends_with("klawisze.dat") ? EIO : 0;
        });
        EXPECT_THROW(StoreKeyPresses(Pupils(), "Ala", Presses('l', 10, 0)), FileError);
        EXPECT_THROW(LoadKeyStats(Pupils(), "Ala"), FileError);
    }
    EXPECT_EQ(ReadFile(GetKeyStatsPath(Pupils(), "Ala")), measured);

    // A damaged file is kept, and measuring starts again.
    WriteFile(GetKeyStatsPath(Pupils(), "Ala"), "zepsuty");
    EXPECT_THROW(LoadKeyStats(Pupils(), "Ala"), FileError);
    StoreKeyPresses(Pupils(), "Ala", Presses('l', 5, 0));
    EXPECT_EQ(ReadFile(GetPupilFolder(Pupils(), "Ala") + "/klawisze-uszkodzony-1.dat"), "zepsuty");
    EXPECT_EQ(LoadKeyStats(Pupils(), "Ala").Keys().at('l').presses, 5);
}
