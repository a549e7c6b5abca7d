// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SchoolFolderFixture.h"
#include "platform/ProgramContext.h"

#include "platform/FileError.h"
#include "platform/FileFaults.h"
#include "pupils/PupilStatFile.h"
#include "pupils/PupilsFolderSetup.h"
#include "pupils/StoreRun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <set>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using SharedSaveTest = SchoolFolderFixture;

// The school's group and two accounts in it, numbers no system account takes.
constexpr gid_t kSchool = 47000;
constexpr uid_t kFirstAccount = 47001, kSecondAccount = 47002;

// Runs work in a process of its own, as another computer or account would,
// and returns its exit status.
template <typename Work> pid_t InAnotherProcess(Work work) {
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    return child;
}

int ExitStatusOf(pid_t child) {
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Stores count runs for Ala and returns how many it was told failed.
int StoreRuns(const PupilsFolder& pupils, int first, int count) {
    int failed = 0;
    for (int i = first; i < first + count; ++i)
        try {
            StoreRun(pupils, "Ala", SchoolFolderFixture::RunOf("Lekcja " + std::to_string(i)),
                     {{'a', 1}});
        } catch (const FileError&) {
            ++failed;
        }
    return failed;
}

} // namespace

// Where the share's locks do not lock, a run is stored or its save says it
// was not: none is lost without a word.
TEST_F(SharedSaveTest, LocksThatDoNotExcludeLoseNoRunSilently) {
    InitPupilsFolder(m_share, "");
    constexpr int kRunsEach = 40;
    for (const int lockFault : {kLockWithoutExcluding, ENOLCK}) {
        SCOPED_TRACE(lockFault);
        std::filesystem::remove_all(m_share + "/Ala");
        const CScopedFileFault locks([lockFault](FileCall call, const std::string&) {
            return call == FileCall::Lock ? lockFault : 0;
        });
        const pid_t computers[] = {
            InAnotherProcess([this] { return StoreRuns(Pupils(), 0, kRunsEach); }),
            InAnotherProcess([this] { return StoreRuns(Pupils(), kRunsEach, kRunsEach); })};
        int failed = 0;
        for (const pid_t computer : computers)
            failed += ExitStatusOf(computer);

        CPupilStats stats;
        LoadPupilStats(Pupils(), "Ala", stats);
        std::set<std::string> lessons;
        for (const StatRecord& run : stats)
            lessons.insert(run.lesson);
        EXPECT_EQ(lessons.size(), stats.size()) << "no run is stored twice";
        // A save told failed goes to the outbox, whose delivery finds a run
        // another computer folded in meanwhile: told failed is never lost.
        EXPECT_GE(stats.size() + failed, 2u * kRunsEach);
        EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'a', static_cast<int>(stats.size())}}));
    }
}

// Two accounts of a lab, Debian's umask 022, one pupil: the second account
// must be able to store into what the first one made.
TEST_F(SharedSaveTest, TwoAccountsOfTheSchoolsGroupStoreForOnePupil) {
    if (geteuid() != 0)
        GTEST_SKIP() << "acting as two accounts of one group needs root; run the tests as root "
                        "to check the class folder's permissions";
    chmod(m_server.Path().c_str(), 0755);
    InitPupilsFolder(m_share, "");
    ASSERT_EQ(chown(m_share.c_str(), 0, kSchool), 0);
    const auto storeAs = [this](uid_t account, const std::string& lesson) {
        return InAnotherProcess([=, this] {
            umask(022);
            if (setgroups(1, &kSchool) != 0 || setgid(kSchool) != 0 || setuid(account) != 0)
                return 2;
            try {
                StoreRun(Pupils(), "Ala", RunOf(lesson), {{'a', 1}});
                return 0;
            } catch (const FileError& error) {
                fprintf(stderr, "%s\n", error.what());
                return 1;
            }
        });
    };
    EXPECT_EQ(ExitStatusOf(storeAs(kFirstAccount, "Lekcja 1")), 0);
    EXPECT_EQ(ExitStatusOf(storeAs(kSecondAccount, "Lekcja 2")), 0);
    EXPECT_EQ(ExitStatusOf(storeAs(kFirstAccount, "Lekcja 3")), 0);

    CPupilStats stats;
    LoadPupilStats(Pupils(), "Ala", stats);
    EXPECT_EQ(stats.size(), 3u);
    struct stat folder {};
    stat((m_share + "/Ala").c_str(), &folder);
    EXPECT_EQ(folder.st_gid, kSchool);
    EXPECT_EQ(folder.st_mode & (S_IWGRP | S_ISGID), S_IWGRP | S_ISGID);
}

// A save killed at any moment leaves a sound stat.dat with every run stored
// before it, and its temporary file goes once it is old.
TEST_F(SharedSaveTest, ASaveKilledAtAnyMomentLosesNoHistoryAndLeavesNoLitter) {
    InitPupilsFolder(m_share, "");
    StoreRun(Pupils(), "Ala", RunOf("Lekcja 0"), {});
    size_t stored = 1;
    for (int kill = 0; kill < 40; ++kill) {
        const pid_t saver = InAnotherProcess([this] { return StoreRuns(Pupils(), 1, 1000); });
        usleep(static_cast<useconds_t>(200 + 97 * kill % 3000));
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        CPupilStats stats;
        ASSERT_NO_THROW(LoadPupilStats(Pupils(), "Ala", stats));
        EXPECT_GE(stats.size(), stored);
        stored = stats.size();
    }
    const std::string folder = m_share + "/Ala";
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::last_write_time(
            entry.path(), std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
    StoreRun(Pupils(), "Ala", RunOf("Lekcja 1001"), {});
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (!entry.path().filename().string().starts_with("wynik-"))
            names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"stat.dat", "stat.dat.lock"}))
        << "runs kept in files of their own stay a week";
}

// A program that died in the moment of replacing the file leaves its claim
// behind; the next save waits a few seconds, takes it over and stores.
TEST_F(SharedSaveTest, AClaimLeftByAProgramThatDiedDelaysTheNextSaveOnly) {
    InitPupilsFolder(m_share, "");
    StoreRun(Pupils(), "Ala", RunOf("Lekcja 1"), {});
    const std::string claim = m_share + "/Ala/stat.dat.zapis";
    close(open(claim.c_str(), O_WRONLY | O_CREAT, 0644));

    StoreRun(Pupils(), "Ala", RunOf("Lekcja 2"), {});

    CPupilStats stats;
    LoadPupilStats(Pupils(), "Ala", stats);
    EXPECT_EQ(stats.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(claim));
}
