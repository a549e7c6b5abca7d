// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilsFixture.h"

#include "platform/FileFaults.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStatFile.h"
#include "pupils/StoreRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <sys/stat.h>

namespace {

// A share seen from two computers, as a caching client shows it: for a
// second after one computer replaced a file, the other still sees its old
// stamp and bytes. The seconds are the test's own.
class StaleShare {
public:
    StaleShare()
        : m_renames([this](FileCall call, const std::string& path) {
              if (call == FileCall::Rename)
                  m_stale[{1 - m_computer, path}] = {TrueView(path), m_seconds + 1.0};
              return 0;
          }),
          m_views([this](const std::string& path) -> std::optional<StaleView> {
              const auto seen = m_stale.find({m_computer, path});
              if (seen == m_stale.end() || seen->second.until <= m_seconds)
                  return std::nullopt;
              return seen->second.view;
          }) {}

    void ActAs(int computer) { m_computer = computer; }
    void Wait(double seconds) { m_seconds += seconds; }

private:
    static StaleView TrueView(const std::string& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0)
            return {};
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return {{true, static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                 static_cast<uint64_t>(info.st_size),
                 static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec},
                bytes.str()};
    }

    struct Seen {
        StaleView view;
        double until = 0.0;
    };
    int m_computer = 0;
    double m_seconds = 0.0;
    std::map<std::pair<int, std::string>, Seen> m_stale;
    CScopedFileFault m_renames;
    CScopedStaleView m_views;
};

using StaleShareTest = PupilsFixture;

} // namespace

// Two computers save for one pupil, each a quarter of a second after the
// other, through a share that shows each the other's stat.dat as it was:
// every run is stored, none twice, and stat.dat holds them all once a
// computer sees the share as it is.
TEST_F(StaleShareTest, TwoComputersSavingThroughAStaleShareLoseNothingAndStoreNothingTwice) {
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kSavesEach = 100; // the sanitizers' build checks memory, not the figure
#else
    constexpr int kSavesEach = 500;
#endif
    {
        StaleShare share;
        for (int save = 0; save < kSavesEach; ++save)
            for (int computer = 0; computer < 2; ++computer) {
                share.ActAs(computer);
                StatRecord run = MakeRun(std::to_string(computer) + "-" + std::to_string(save));
                run.date = COleDateTime(run.date.Value() + save / 86400.0);
                ASSERT_NO_THROW(StoreRun(Pupils(), "Ala", run, {{'a', 1}}));
                share.Wait(0.25);
            }
    }
    CPupilStats read;
    LoadPupilStats(Pupils(), "Ala", read);
    std::set<std::string> lessons;
    for (const StatRecord& run : read)
        lessons.insert(run.lesson);
    EXPECT_EQ(read.size(), 2u * kSavesEach);
    EXPECT_EQ(lessons.size(), read.size()) << "no run stored twice";
    EXPECT_EQ(read.m_charErrors, (CharErrorArray{{'a', 2 * kSavesEach}}));

    // Some runs were dropped from stat.dat by a computer that saw it as it
    // was; the next save puts them back.
    CPupilStats dropped;
    dropped.Load(GetStatFilePath(Pupils(), "Ala"));
    EXPECT_LT(dropped.size(), 2u * kSavesEach) << "the share hid the other computer's saves";
    StoreRun(Pupils(), "Ala", MakeRun("ostatnia"), {});
    CPupilStats file;
    file.Load(GetStatFilePath(Pupils(), "Ala"));
    EXPECT_EQ(file.size(), 2u * kSavesEach + 1);
    for (size_t i = 1; i < file.size(); ++i)
        ASSERT_LE(file[i - 1].date.LinearDays(), file[i].date.LinearDays()) << "in date order";
}
