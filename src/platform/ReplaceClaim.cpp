#include "platform/ReplaceClaim.h"

#include "platform/FileError.h"
#include "platform/FileStamp.h"
#include "platform/SystemErrorText.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::string_view kClaimSuffix = ".zapis";
// A claim is held for a check and a rename, well under a second even on a
// slow share; one unchanged for this long was left by a program that died.
constexpr auto kAbandonedAfter = std::chrono::seconds(5);
constexpr auto kFirstWait = std::chrono::microseconds(200);
constexpr auto kLongestWait = std::chrono::milliseconds(20);

bool CreateExclusively(const std::string& path) {
    for (;;) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        if (errno == EEXIST)
            return false;
        if (errno != EINTR)
            throw FileError(path, "nie można zapisać pliku (" + SystemErrorText(errno) +
                                      "); dotychczasowy plik pozostał bez zmian");
    }
}

} // namespace

CReplaceClaim::CReplaceClaim(const std::string& path) : m_claimPath(path + std::string(kClaimSuffix)) {
    using Clock = std::chrono::steady_clock;
    FileStamp seen = FileStamp::Of(m_claimPath);
    Clock::time_point seenSince = Clock::now();
    auto wait = std::chrono::duration_cast<Clock::duration>(kFirstWait);
    while (!CreateExclusively(m_claimPath)) {
        const FileStamp now = FileStamp::Of(m_claimPath);
        if (!(now == seen)) {
            seen = now;
            seenSince = Clock::now();
        } else if (now.exists && Clock::now() - seenSince > kAbandonedAfter) {
            ::unlink(m_claimPath.c_str());
            continue;
        }
        std::this_thread::sleep_for(wait);
        wait = std::min<Clock::duration>(wait * 2, kLongestWait);
    }
}

CReplaceClaim::~CReplaceClaim() {
    ::unlink(m_claimPath.c_str());
}
