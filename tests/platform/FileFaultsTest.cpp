// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileFaults.h"
#include "platform/FileLock.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

CScopedFileFault LocksAnswer(int fault) {
    return CScopedFileFault(
        [fault](FileCall call, const std::string&) { return call == FileCall::Lock ? fault : 0; });
}

} // namespace

// The tests' share whose locks do not reach the server: two takers have one
// lock at once. A lock that fails is had by nobody; without a fault the
// lock is the program's own.
TEST(FileFaults, ALockWithoutExcludingIsHadByTwoAtOnce) {
    const TempFolder folder;
    const std::string path = folder / "stat.dat.lock";
    {
        const CScopedFileFault locks = LocksAnswer(kLockWithoutExcluding);
        const CFileLock first(path), second(path);
        EXPECT_TRUE(first.Held());
        EXPECT_TRUE(second.Held());
    }
    {
        const CScopedFileFault locks = LocksAnswer(ENOLCK);
        EXPECT_FALSE(CFileLock(path).Held());
    }
    EXPECT_TRUE(CFileLock(path).Held());
}
