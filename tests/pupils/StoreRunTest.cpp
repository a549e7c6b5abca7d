// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilsFixture.h"
#include "platform/ProgramContext.h"

#include "platform/FileError.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStatFile.h"
#include "pupils/StatFile.h"
#include "pupils/StoreRun.h"

#include <gmock/gmock.h>

#include <csignal>
#include <filesystem>
#include <set>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testing::HasSubstr;

using StoreRunTest = PupilsFixture;

CPupilStats Stored(const PupilsFolder& pupils, const std::string& pupil) {
    CPupilStats stats;
    LoadPupilStats(pupils, pupil, stats);
    return stats;
}

// The files of the folder besides the runs kept in files of their own,
// which stay a week; runs counts those.
std::set<std::string> FilesIn(const std::string& folder, size_t* runs = nullptr) {
    std::set<std::string> names;
    size_t kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("wynik-"))
            ++kept;
        else
            names.insert(name);
    }
    if (runs)
        *runs = kept;
    return names;
}

// Makes every write of this process past the given size fail, as a full
// disk would, until it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

} // namespace

TEST_F(StoreRunTest, TheFirstRunMakesTheFoldersAndTheFile) {
    const StoreRunResult result =
        StoreRun(Pupils(), "\xA3ucja", MakeRun("Lekcja 1"), {{'a', 2}, {'s', 1}});
    EXPECT_TRUE(result.notice.empty());
    EXPECT_TRUE(result.damagedFileKeptAs.empty());
    EXPECT_TRUE(std::filesystem::exists(m_program / "Data/Pupils/Łucja/stat.dat"));

    const CPupilStats stats = Stored(Pupils(), "\xA3ucja");
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0], MakeRun("Lekcja 1"));
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'a', 2}, {'s', 1}}));
}

TEST_F(StoreRunTest, RunsAppendAndCharacterErrorsMergeAcrossLessons) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1", 100), {{'f', 1}, {'j', 2}});
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2", 200), {{'k', 5}, {'f', 3}});
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1", 300), {});

    const CPupilStats stats = Stored(Pupils(), "Ala");
    ASSERT_EQ(stats.size(), 3u);
    EXPECT_EQ(stats[0].charsPerMinute, 100);
    EXPECT_EQ(stats[2].charsPerMinute, 300);
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'f', 4}, {'j', 2}, {'k', 5}}));
}

TEST_F(StoreRunTest, WithoutAPupilTheRunsGoIntoThePupilsFolder) {
    StoreRun(Pupils(), "", MakeRun("a"), {});
    EXPECT_TRUE(std::filesystem::is_regular_file(PupilsFolder() + "/stat.dat"));
    EXPECT_EQ(Stored(Pupils(), "").size(), 1u);
}

TEST_F(StoreRunTest, ADamagedFileIsKeptAndItsReadableRunsCarryOn) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1", 100), {{'f', 1}});
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2", 200), {});
    const std::string path = GetStatFilePath(Pupils(), "Ala");
    const std::string damaged = ReadFile(path).substr(0, ReadFile(path).size() - 20);
    WriteFile(path, damaged);

    const StoreRunResult result = StoreRun(Pupils(), "Ala", MakeRun("Lekcja 3", 300), {{'j', 1}});
    EXPECT_EQ(result.damagedFileKeptAs, GetPupilFolder(Pupils(), "Ala") + "/stat-uszkodzony-1.dat");
    EXPECT_EQ(ReadFile(result.damagedFileKeptAs), damaged);
    EXPECT_THAT(result.notice, HasSubstr("uszkodzony"));
    EXPECT_THAT(result.notice, HasSubstr("(1)"));
    EXPECT_THAT(result.notice, HasSubstr(result.damagedFileKeptAs));

    // Lekcja 2, lost with the damage, comes back from its own file.
    const CPupilStats stats = Stored(Pupils(), "Ala");
    ASSERT_EQ(stats.size(), 3u);
    EXPECT_EQ(stats[0].charsPerMinute, 100);
    EXPECT_EQ(stats[1].charsPerMinute, 200);
    EXPECT_EQ(stats[2].charsPerMinute, 300);
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'j', 1}}));

    // Told once: the new file is sound.
    EXPECT_TRUE(StoreRun(Pupils(), "Ala", MakeRun("Lekcja 4"), {}).notice.empty());

    // A second damage keeps the first kept file as it is.
    WriteFile(path, "");
    const StoreRunResult again = StoreRun(Pupils(), "Ala", MakeRun("Lekcja 5"), {});
    EXPECT_EQ(again.damagedFileKeptAs, GetPupilFolder(Pupils(), "Ala") + "/stat-uszkodzony-2.dat");
    EXPECT_EQ(ReadFile(result.damagedFileKeptAs), damaged);
    EXPECT_EQ(ReadFile(again.damagedFileKeptAs), "");
    EXPECT_EQ(Stored(Pupils(), "Ala").size(), 5u)
        << "every run of the week is kept in its own file too";
}

TEST_F(StoreRunTest, AFileThatCannotBeReadOrWrittenStaysAsItWas) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {});
    const std::string path = GetStatFilePath(Pupils(), "Ala");
    const std::string before = ReadFile(path);
    {
        const FileSizeLimit fullDisk(before.size() + 10);
        try {
            StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2"), {});
            ADD_FAILURE() << "a run was reported stored on a full disk";
        } catch (const FileError& error) {
            EXPECT_THAT(error.what(), HasSubstr(path));
            EXPECT_THAT(error.what(), HasSubstr("brak miejsca"));
        }
    }
    EXPECT_EQ(ReadFile(path), before);
    size_t runs = 0;
    EXPECT_EQ(FilesIn(GetPupilFolder(Pupils(), "Ala"), &runs),
              (std::set<std::string>{"stat.dat", "stat.dat.lock"}));
    EXPECT_EQ(runs, 1u) << "a run reported not stored keeps no file of its own";

    std::filesystem::create_directories(GetStatFilePath(Pupils(), "Ola"));
    EXPECT_THROW(StoreRun(Pupils(), "Ola", MakeRun("Lekcja 1"), {}), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(GetStatFilePath(Pupils(), "Ola")));
}

TEST_F(StoreRunTest, TwoProgramsStoringAtOnceLoseNothing) {
    constexpr int kRunsEach = 40;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            int status = 0;
            try {
                for (int i = 0; i < kRunsEach; ++i)
                    StoreRun(Pupils(), "Ala",
                             MakeRun(std::to_string(child) + "-" + std::to_string(i)), {{'x', 1}});
            } catch (...) {
                status = 1;
            }
            _exit(status);
        }
    }
    for (pid_t child : children) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const CPupilStats stats = Stored(Pupils(), "Ala");
    std::set<std::string> lessons;
    for (const StatRecord& run : stats)
        lessons.insert(run.lesson);
    EXPECT_EQ(stats.size(), 2u * kRunsEach);
    EXPECT_EQ(lessons.size(), 2u * kRunsEach);
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'x', 2 * kRunsEach}}));
}

// One flipped bit in the first lesson name's length puts the reader out of
// step; the repair keeps no garbage, and the whole file stays aside.
TEST_F(StoreRunTest, ARepairKeepsOnlyRunsTheProgramCouldHaveStored) {
    for (int i = 0; i < 9; ++i)
        StoreRun(Pupils(), "Ala", MakeRun("Lekcja " + std::to_string(i), 100 + i), {{'a', 1}});
    const std::string path = GetStatFilePath(Pupils(), "Ala");
    std::string damaged = ReadFile(path);
    damaged[4] = static_cast<char>(damaged[4] ^ 0x10);
    WriteFile(path, damaged);

    const StoreRunResult result = StoreRun(Pupils(), "Ala", MakeRun("Nowa"), {});
    EXPECT_THAT(result.notice, HasSubstr("(0)"));
    EXPECT_THAT(result.notice, HasSubstr(result.damagedFileKeptAs));
    EXPECT_EQ(ReadFile(result.damagedFileKeptAs), damaged);
    // No garbage is kept; the week's runs come back from their own files.
    const CPupilStats stats = Stored(Pupils(), "Ala");
    ASSERT_EQ(stats.size(), 10u);
    EXPECT_EQ(stats[0].lesson, "Lekcja 0");
    EXPECT_EQ(stats[9].lesson, "Nowa");
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'a', 9}}));
}

TEST_F(StoreRunTest, FailedSavesOfADamagedFileKeepOneCopyAndNameIt) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {});
    const std::string path = GetStatFilePath(Pupils(), "Ala");
    const std::string damaged = ReadFile(path) + "garbage";
    WriteFile(path, damaged);
    {
        // Room for the kept copy, none for the new stat.dat.
        const FileSizeLimit nearlyFull(damaged.size());
        for (int attempt = 0; attempt < 3; ++attempt) {
            try {
                StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2"), {});
                ADD_FAILURE() << "a run was reported stored on a full disk";
            } catch (const FileError& error) {
                EXPECT_THAT(error.what(), HasSubstr("stat-uszkodzony-1.dat"));
            }
        }
    }
    EXPECT_EQ(FilesIn(GetPupilFolder(Pupils(), "Ala")),
              (std::set<std::string>{"stat.dat", "stat.dat.lock", "stat-uszkodzony-1.dat"}));
    EXPECT_EQ(ReadFile(path), damaged);

    const StoreRunResult stored = StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2"), {});
    EXPECT_EQ(stored.damagedFileKeptAs, GetPupilFolder(Pupils(), "Ala") + "/stat-uszkodzony-1.dat");
    EXPECT_EQ(Stored(Pupils(), "Ala").size(), 2u);
}

// A temporary file younger than a minute may be another computer's save at
// work on the share; an older one was left by a save that was cut short.
TEST_F(StoreRunTest, WhatInterruptedSavesLeftIsRemovedByTheNextSaveOnceItIsOld) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {});
    const std::string path = GetStatFilePath(Pupils(), "Ala");
    const std::string folder = GetPupilFolder(Pupils(), "Ala");
    const std::vector<std::string> abandoned{path + ".tmp-4242-0", path + ".tmp-4243-7",
                                             folder + "/stat-uszkodzony-1.dat.tmp-4244-0"};
    for (const std::string& temp : abandoned) {
        WriteFile(temp, "half");
        std::filesystem::last_write_time(temp, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::minutes(2));
    }
    WriteFile(path + ".tmp-5000-1", "another computer at work");
    WriteFile(folder + "/notatki.txt", "nauczyciel");

    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2"), {});
    EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"stat.dat", "stat.dat.lock", "notatki.txt",
                                                      "stat.dat.tmp-5000-1"}));
    EXPECT_EQ(Stored(Pupils(), "Ala").size(), 2u);
}

// A pipe or a device under the name stat.dat is refused at once, never
// waited on or read without end.
TEST_F(StoreRunTest, AStatFileThatIsNoRegularFileIsReportedNotWaitedOn) {
    MakePupilFolder(Pupils(), "Ala");
    ASSERT_EQ(mkfifo(GetStatFilePath(Pupils(), "Ala").c_str(), 0600), 0);
    CPupilStats stats;
    EXPECT_THROW(LoadPupilStats(Pupils(), "Ala", stats), FileError);
    EXPECT_THROW(StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {}), FileError);

    MakePupilFolder(Pupils(), "Ola");
    std::filesystem::create_symlink("/dev/zero", GetStatFilePath(Pupils(), "Ola"));
    try {
        LoadPupilStats(Pupils(), "Ola", stats);
        ADD_FAILURE() << "a device was read as a stat.dat";
    } catch (const FileError& error) {
        EXPECT_THAT(error.what(), HasSubstr("to nie jest zwykły plik"));
    }
}
