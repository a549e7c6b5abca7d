// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/BinaryFile.h"
#include "platform/FileFaults.h"
#include "platform/ReplaceClaim.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string HostName() {
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    return name;
}

// A process of this computer that has ended.
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

} // namespace

// A claim says who holds it; a holder removes only its own, and learns
// when a writer that found it stale took it over.
TEST(ReplaceClaim, AHolderKnowsWhetherTheClaimIsStillItsOwn) {
    TempFolder folder;
    const std::string path = folder / "stat.dat";
    const std::string claim = path + ".zapis";
    {
        const CReplaceClaim mine(path);
        EXPECT_TRUE(mine.StillHeld());
        EXPECT_NE(ReadFile(claim).find(HostName()), std::string::npos);
        WriteFile(claim, "inny-komputer 4242 1-0");
        EXPECT_FALSE(mine.StillHeld());
    }
    EXPECT_EQ(ReadFile(claim), "inny-komputer 4242 1-0") << "the other's claim stays";
}

// A claim left by a process of this computer that has ended is taken at
// once; so is, after its time, one of a computer that stopped.
TEST(ReplaceClaim, AClaimOfAnEndedProcessIsTakenOver) {
    TempFolder folder;
    const std::string path = folder / "stat.dat";
    WriteFile(path + ".zapis", HostName() + " " + std::to_string(EndedProcess()) + " 1-0");
    const CReplaceClaim mine(path);
    EXPECT_TRUE(mine.StillHeld());
}

// A claim whose holder still runs is waited for, never taken at once: the
// waiter looks at it again and again until its holder lets it go.
TEST(ReplaceClaim, ALiveHoldersClaimIsWaitedFor) {
    TempFolder folder;
    const std::string path = folder / "stat.dat";
    const std::string claim = path + ".zapis";
    const std::string live = HostName() + " " + std::to_string(getpid()) + " 1-0";
    WriteFile(claim, live);
    int looks = 0;
    const CScopedStaleView holderLetsGo([&](const std::string& looked) -> std::optional<StaleView> {
        if (looked == claim && ++looks == 3) {
            EXPECT_EQ(ReadFile(claim), live);
            std::filesystem::remove(claim);
        }
        return std::nullopt;
    });
    const CReplaceClaim mine(path);
    EXPECT_GE(looks, 3) << "the live holder's claim was taken at once";
    EXPECT_TRUE(mine.StillHeld());
}

// Two writers never hold the claim together: the second has it only once
// the first has let it go.
TEST(ReplaceClaim, TwoWritersNeverHoldItTogether) {
    TempFolder folder;
    const std::string path = folder / "stat.dat";
    auto first = std::make_unique<CReplaceClaim>(path);
    int looks = 0;
    // The second looks once before it tries, and again after each try.
    const CScopedStaleView firstLetsGo([&](const std::string& looked) -> std::optional<StaleView> {
        if (looked == path + ".zapis" && ++looks == 2) {
            EXPECT_TRUE(first->StillHeld());
            first.reset();
        }
        return std::nullopt;
    });
    const CReplaceClaim second(path);
    EXPECT_EQ(first, nullptr) << "the second writer did not wait for the first";
    EXPECT_TRUE(second.StillHeld());
}

// A writer that stalls while the claim is taken over from it leaves the file
// to the one that took it: it renames nothing over the other's version.
TEST(ReplaceClaim, AWriterWhoseClaimWasTakenOverReplacesNothing) {
    TempFolder folder;
    const std::string path = folder / "stat.dat";
    WriteFile(path, "stare");
    const FileStamp read = FileStamp::Of(path);
    bool tookOver = false;
    const CScopedStaleView stall([&](const std::string& looked) -> std::optional<StaleView> {
        if (looked == path && !tookOver && std::filesystem::exists(path + ".zapis")) {
            WriteFile(path + ".zapis", "inny-komputer 4242 1-0");
            tookOver = true;
        }
        return std::nullopt;
    });
    EXPECT_FALSE(ReplaceFileIfUnchanged(path, "nowe", read));
    EXPECT_TRUE(tookOver);
    EXPECT_EQ(ReadFile(path), "stare");
    EXPECT_EQ(ReadFile(path + ".zapis"), "inny-komputer 4242 1-0");
}

// A share that refuses for a moment to rename over a file another computer
// has open (EBUSY) is tried again; a lasting refusal is told in Polish.
TEST(ReplaceClaim, ARenameRefusedForAMomentIsTriedAgain) {
    TempFolder folder;
    const std::string path = folder / "stat.dat";
    WriteFile(path, "stare");
    int refusals = 2;
    {
        const CScopedFileFault busy([&](FileCall call, const std::string&) {
            return call == FileCall::Rename && refusals-- > 0 ? EBUSY : 0;
        });
        EXPECT_TRUE(ReplaceFileIfUnchanged(path, "nowe", FileStamp::Of(path)));
    }
    EXPECT_EQ(ReadFile(path), "nowe");
}

// Abandoned temporary files are judged by the share's clock, not by this
// computer's: one a minute older than a file just written there goes, one
// younger stays, however the local clock runs.
TEST(ReplaceClaim, LeftoversAreOldOnlyByTheSharesClock) {
    TempFolder folder;
    const auto now = std::filesystem::file_time_type::clock::now();
    const std::string fresh = folder / "stat.dat.tmp-1-0";
    const std::string old = folder / "stat.dat.tmp-2-0";
    const std::string young = folder / "stat.dat.tmp-3-0";
    for (const std::string& temp : {fresh, old, young})
        WriteFile(temp, "x");
    // The share's clock runs ten minutes behind this computer's.
    std::filesystem::last_write_time(fresh, now - std::chrono::minutes(10));
    std::filesystem::last_write_time(old, now - std::chrono::minutes(12));
    std::filesystem::last_write_time(young, now - std::chrono::minutes(10) - std::chrono::seconds(20));
    RemoveInterruptedWrites(folder.Path(), fresh);
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_TRUE(std::filesystem::exists(young));
    EXPECT_TRUE(std::filesystem::exists(fresh));
}
