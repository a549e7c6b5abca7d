#include "PupilsFixture.h"
#include "platform/ProgramContext.h"

#include "platform/FileError.h"
#include "platform/FileFaults.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"
#include "pupils/StoreRun.h"
#include "pupils/WeakKeys.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace {

using KeyStatsFileTest = PupilsFixture;

// count first tries of key, the given share of them wrong, each right one
// taking ms.
std::vector<KeyPress> Presses(char key, int count, double wrongShare, int16_t ms) {
    std::vector<KeyPress> presses;
    const int wrong = static_cast<int>(count * wrongShare + 0.5);
    for (int i = 0; i < count; ++i)
        presses.push_back({key, i >= wrong, ms});
    return presses;
}

std::vector<char> Ranked(const CKeyStats& stats) {
    std::vector<char> keys;
    for (const WeakKey& weak : RankWeakKeys(stats))
        keys.push_back(weak.key);
    return keys;
}

} // namespace

TEST(WeakKeys, ErrorsOutrankSlownessAndKeysSeenTooLittleAreNotJudged) {
    CKeyStats stats;
    for (const char key : {'a', 's', 'd', 'f', 'j'})
        stats.Add(Presses(key, 30, 0.0, 200));
    stats.Add(Presses('k', 30, 0.0, 300)); // half again as slow, no error
    stats.Add(Presses('l', 30, 0.3, 200)); // many errors
    stats.Add(Presses('q', 10, 0.9, 900)); // not seen enough
    stats.Add(Presses(' ', 40, 0.5, 200)); // the space bar is no key to drill
    EXPECT_EQ(Ranked(stats), (std::vector<char>{'l', 'k'}));
    const WeakKey weakest = RankWeakKeys(stats).front();
    EXPECT_GT(weakest.errorRate, 0.1);
    EXPECT_DOUBLE_EQ(weakest.msPerPress, 200);
    EXPECT_EQ(stats.TotalPresses(), 30 * 7 + 10 + 40);
}

TEST(WeakKeys, OldErrorsFadeAndCapitalsCountForTheirKey) {
    CKeyStats stats;
    stats.Add(Presses('A', 30, 0.5, 200));
    const double before = stats.Keys().at('a').recentErrorRate;
    stats.Add(Presses('a', 60, 0.0, 200));
    EXPECT_LT(stats.Keys().at('a').recentErrorRate, before / 10);
    EXPECT_EQ(stats.Keys().at('a').errors, 15) << "the count keeps every error";
}

// A pupil measured for the first time starts from what stat.dat counts.
TEST(WeakKeys, ErrorsCountedBeforeMeasuringAreTheStart) {
    CKeyStats stats = CKeyStats::FromCharErrors({{'\xB3', 8}, {'E', 2}, {'x', 0}});
    EXPECT_EQ(stats.Keys().size(), 2u);
    stats.Add(Presses('\xB3', 20, 0.0, 200));
    stats.Add(Presses('e', 20, 0.0, 200));
    stats.Add(Presses('o', 20, 0.0, 200));
    EXPECT_EQ(Ranked(stats), (std::vector<char>{'\xB3', 'e'}));
}

TEST(WeakKeys, TheFileReadsBackAndADamagedOneIsRefused) {
    CKeyStats stats = CKeyStats::FromCharErrors({{'\xBF', 3}});
    stats.Add(Presses('a', 25, 0.2, 187.5));
    EXPECT_EQ(CKeyStats::Decode(stats.Encode(), "k"), stats);
    for (const std::string& damaged :
         {std::string(""), std::string("inny plik\n"), stats.Encode() + "97 1 1 0.5 10 0\n",
          std::string("tastrum klawisze 1\n97 1 0 1.5 10 0\n"),
          std::string("tastrum klawisze 1\n97 1 0 nan 10 0\n"),
          std::string("tastrum klawisze 1\n0 1 0 0 10 0\n"),
          std::string("tastrum klawisze 1\n97 1 0 0 10\n")})
        EXPECT_THROW(CKeyStats::Decode(damaged, "k"), FileError) << damaged;
}

TEST_F(KeyStatsFileTest, MeasurementsLiveBesideStatDatWithItsSafety) {
    StoreRun(ContextPupilsFolder(), "Ala", MakeRun("Lekcja 1"), {{'l', 4}});
    const std::string statFile = ReadFile(GetStatFilePath(ContextPupilsFolder(), "Ala"));
    EXPECT_EQ(LoadKeyStats(ContextPupilsFolder(), "Ala").Keys().at('l').errors, 4);

    StoreKeyPresses(ContextPupilsFolder(), "Ala", Presses('l', 10, 0.0, 150));
    EXPECT_EQ(LoadKeyStats(ContextPupilsFolder(), "Ala").Keys().at('l').presses, 10);
    EXPECT_EQ(ReadFile(GetStatFilePath(ContextPupilsFolder(), "Ala")), statFile)
        << "stat.dat keeps its bytes";

    // A read error changes nothing and is reported.
    const std::string measured = ReadFile(GetKeyStatsPath(ContextPupilsFolder(), "Ala"));
    {
        const CScopedFileFault fault([](FileCall call, const std::string& path) {
            return call == FileCall::Open && path.ends_with("klawisze.dat") ? EIO : 0;
        });
        EXPECT_THROW(StoreKeyPresses(ContextPupilsFolder(), "Ala", Presses('l', 10, 0.0, 150)),
                     FileError);
        EXPECT_THROW(LoadKeyStats(ContextPupilsFolder(), "Ala"), FileError);
    }
    EXPECT_EQ(ReadFile(GetKeyStatsPath(ContextPupilsFolder(), "Ala")), measured);

    // A damaged file is kept, and measuring starts again from stat.dat.
    WriteFile(GetKeyStatsPath(ContextPupilsFolder(), "Ala"), "zepsuty");
    EXPECT_THROW(LoadKeyStats(ContextPupilsFolder(), "Ala"), FileError);
    StoreKeyPresses(ContextPupilsFolder(), "Ala", Presses('l', 5, 0.0, 150));
    EXPECT_EQ(ReadFile(GetPupilFolder(ContextPupilsFolder(), "Ala") + "/klawisze-uszkodzony-1.dat"),
              "zepsuty");
    EXPECT_EQ(LoadKeyStats(ContextPupilsFolder(), "Ala").Keys().at('l').presses, 5);
    EXPECT_EQ(LoadKeyStats(ContextPupilsFolder(), "Ala").Keys().at('l').errors, 4);
}
