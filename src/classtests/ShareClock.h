// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTest.h"
#include "platform/ProgramFolders.h"

#include <chrono>
#include <cstdint>
#include <functional>

// Whether a test is open is judged by the clock of the share that holds the
// class folder, not by the pupil's computer, whose clock a pupil may set
// back to reopen a closed test.

struct ShareTime {
    int64_t seconds = 0;    // since 1970-01-01 00:00 UTC
    bool fromShare = false; // false: this computer's clock, the share could not be written
};
using TimeSource = std::function<ShareTime()>;

// Now, as the modification time of a file made on the share right now (and
// removed); this computer's clock when the folder of tests cannot be written.
ShareTime ShareNow(const PupilsFolder& pupils);

// The local calendar day of a time.
std::chrono::sys_days LocalDayOf(int64_t seconds);

enum class TestOpenness { NotYet, Open, Closed };
TestOpenness OpennessOf(const ClassTest& test, const ShareTime& now);
