// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ReplaceClaim.h"

#include "platform/FileError.h"
#include "platform/FileStamp.h"
#include "platform/SystemErrorText.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <random>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kClaimSuffix = ".zapis";
constexpr std::string_view kTakeOverSuffix = ".zabieranie";
// A claim is held for a check and a rename, well under a second even on a
// slow share; one unchanged for this long was left by a program that died
// or stalled.
constexpr auto kAbandonedAfter = std::chrono::seconds(5);
// The longest a writer waits for a claim before it gives up.
constexpr auto kLongestClaimWait = std::chrono::seconds(12);
constexpr auto kFirstWait = std::chrono::microseconds(200);
constexpr auto kLongestWait = std::chrono::milliseconds(20);
constexpr size_t kMostClaimBytes = 512;

[[noreturn]] void ThrowClaimError(const std::string& path, const std::string& why) {
    throw FileError(path, "nie można zapisać pliku (" + why +
                              "); dotychczasowy plik pozostał bez zmian");
}

std::string HostName() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// Who holds a claim: "computer process number".
std::string NewHolder() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    std::ostringstream holder;
    holder << HostName() << ' ' << ::getpid() << ' ' << seed << '-' << counter++;
    return holder.str();
}

// Creates the file with the holder's name in it; false when it exists.
bool CreateExclusively(const std::string& path, const std::string& holder) {
    for (;;) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            const bool written = ::write(fd, holder.data(), holder.size()) ==
                                 static_cast<ssize_t>(holder.size());
            ::close(fd);
            if (!written) {
                ::unlink(path.c_str());
                ThrowClaimError(path, SystemErrorText(errno));
            }
            return true;
        }
        if (errno == EEXIST)
            return false;
        if (errno != EINTR)
            ThrowClaimError(path, SystemErrorText(errno));
    }
}

// The holder a claim file names; empty when it cannot be read (or is being
// written this very moment).
std::string HolderOf(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    char bytes[kMostClaimBytes];
    const ssize_t got = ::read(fd, bytes, sizeof bytes);
    ::close(fd);
    return got > 0 ? std::string(bytes, static_cast<size_t>(got)) : std::string();
}

// True when the holder runs on this computer and its process is gone.
bool HolderIsGone(const std::string& holder) {
    std::istringstream fields(holder);
    std::string host;
    long pid = 0;
    if (!(fields >> host >> pid) || host != HostName() || pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes a stale claim under a second, short claim of its own, and only if
// the claim is still the stale one.
void TakeOver(const std::string& claimPath, const std::string& staleHolder,
              const std::string& holder) {
    const std::string takeOverPath = claimPath + std::string(kTakeOverSuffix);
    if (!CreateExclusively(takeOverPath, holder)) {
        // Another waiter is taking it over, or died doing so; its own claim
        // goes stale in turn.
        if (HolderIsGone(HolderOf(takeOverPath)))
            ::unlink(takeOverPath.c_str());
        return;
    }
    if (HolderOf(claimPath) == staleHolder)
        ::unlink(claimPath.c_str());
    ::unlink(takeOverPath.c_str());
}

} // namespace

CReplaceClaim::CReplaceClaim(const std::string& path)
    : m_claimPath(path + std::string(kClaimSuffix)), m_holder(NewHolder()) {
    const Clock::time_point start = Clock::now();
    FileStamp seen = FileStamp::Of(m_claimPath);
    std::string seenHolder = HolderOf(m_claimPath);
    Clock::time_point seenSince = start;
    auto wait = std::chrono::duration_cast<Clock::duration>(kFirstWait);
    while (!CreateExclusively(m_claimPath, m_holder)) {
        const FileStamp now = FileStamp::Of(m_claimPath);
        const std::string holder = HolderOf(m_claimPath);
        if (!(now == seen) || holder != seenHolder) {
            seen = now;
            seenHolder = holder;
            seenSince = Clock::now();
        }
        const bool stale =
            now.exists && (HolderIsGone(holder) || Clock::now() - seenSince > kAbandonedAfter);
        if (stale)
            TakeOver(m_claimPath, holder, m_holder);
        // A claim that cannot be removed (a folder of its name, another
        // account's file in a folder that keeps them) is waited for no longer
        // than any other.
        if (Clock::now() - start > kLongestClaimWait)
            ThrowClaimError(path, "inny komputer albo program zajmuje go zbyt długo; plik " +
                                      m_claimPath + " nie znika");
        std::this_thread::sleep_for(wait);
        wait = std::min<Clock::duration>(wait * 2, kLongestWait);
    }
    // A waiter that died while taking a claim over left its short claim.
    const std::string takeOverPath = m_claimPath + std::string(kTakeOverSuffix);
    if (HolderIsGone(HolderOf(takeOverPath)))
        ::unlink(takeOverPath.c_str());
}

bool CReplaceClaim::StillHeld() const {
    return HolderOf(m_claimPath) == m_holder;
}

CReplaceClaim::~CReplaceClaim() {
    if (StillHeld())
        ::unlink(m_claimPath.c_str());
}
