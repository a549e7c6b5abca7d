// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilFilesStamp.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

namespace {

// Ala's files as a pupil with runs has them, last changed an hour ago.
struct PupilFiles {
    PupilFiles() {
        for (const char* file :
             {"Ala/stat.dat", "Ala/klawisze.dat", "Ala/wynik-1-k-u.dat", "Ola/stat.dat"})
            WriteFile(pupils / file, "12345");
        const auto anHourAgo =
            std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        for (const char* path : {"Ala/stat.dat", "Ala/klawisze.dat", "Ala/wynik-1-k-u.dat", "Ala"})
            std::filesystem::last_write_time(pupils / path, anHourAgo);
    }
    PupilFilesStamp Stamp() const { return PupilFilesStamp::Of({pupils.Path()}, "Ala"); }

    TempFolder pupils;
};

struct Change {
    const char* what;
    std::function<void(const TempFolder& pupils)> make;
    bool changesTheStamp;
};

} // namespace

// Every reader of a pupil's files reads them again when this stamp changes:
// on any change to what stat.dat, klawisze.dat or a run's own file holds,
// and on nothing else.
TEST(PupilFilesStamp, ChangesWithEveryFileAReaderMakesThePupilFrom) {
    const Change changes[] = {
        {"stat.dat written again", [](auto& p) { WriteFile(p / "Ala/stat.dat", "54321"); }, true},
        {"klawisze.dat written again", [](auto& p) { WriteFile(p / "Ala/klawisze.dat", "54321"); },
         true},
        {"klawisze.dat gone", [](auto& p) { std::filesystem::remove(p / "Ala/klawisze.dat"); },
         true},
        {"a run kept in a file of its own",
         [](auto& p) { WriteFile(p / "Ala/wynik-2-k-u.dat", ""); }, true},
        {"a run's own file gone",
         [](auto& p) { std::filesystem::remove(p / "Ala/wynik-1-k-u.dat"); }, true},
        {"another pupil's run", [](auto& p) { WriteFile(p / "Ola/stat.dat", "54321"); }, false},
        {"nothing", [](auto&) {}, false},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        const PupilFiles files;
        const PupilFilesStamp before = files.Stamp();
        change.make(files.pupils);
        EXPECT_EQ(files.Stamp() != before, change.changesTheStamp);
    }
}
