// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ShareClock.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "pupils/PupilFolders.h"

#include <atomic>
#include <ctime>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono;

std::string UniqueClockFile(const PupilsFolder& pupils) {
    static std::atomic<unsigned> counter{0};
    return GetClassTestsFolder(pupils) + "/.zegar-" + std::to_string(::getpid()) + "-" +
           std::to_string(std::random_device{}()) + "-" + std::to_string(counter++);
}

} // namespace

ShareTime ShareNow(const PupilsFolder& pupils) {
    const std::string path = UniqueClockFile(pupils);
    try {
        if (CreateNewFile(path, {})) {
            struct stat made {};
            const bool stamped = ::stat(path.c_str(), &made) == 0;
            ::unlink(path.c_str());
            if (stamped)
                return {static_cast<int64_t>(made.st_mtim.tv_sec), true};
        }
    } catch (const FileError&) {
        // The share cannot be written now: this computer's clock is all there is.
    }
    return {static_cast<int64_t>(std::time(nullptr)), false};
}

sys_days LocalDayOf(int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    return sys_days{year{local.tm_year + 1900} / month(static_cast<unsigned>(local.tm_mon + 1)) /
                    static_cast<unsigned>(local.tm_mday)};
}

TestOpenness OpennessOf(const ClassTest& test, const ShareTime& now) {
    const sys_days today = LocalDayOf(now.seconds);
    if (today < test.openFrom)
        return TestOpenness::NotYet;
    return today > test.openTo ? TestOpenness::Closed : TestOpenness::Open;
}
