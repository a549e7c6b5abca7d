// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTest.h"
#include "classtests/ShareClock.h"
#include "platform/ProgramFolders.h"

#include <string>
#include <vector>

// A test the pupil may take now, and how many attempts are left for it.
struct TestToTake {
    ClassTest test;
    int attemptsLeft = 0;
};

// The tests of the class folder that are open now, by the share's clock,
// and of which the pupil (Windows-1250) has attempts left, in the order of
// their names. A test or a folder that cannot be read offers nothing.
std::vector<TestToTake> TestsToTake(const PupilsFolder& pupils, const std::string& pupil,
                                    const ShareTime& now);

// "1 podejście", "2 podejścia", "5 podejść" (UTF-8).
std::string AttemptsText(int attempts);

// "Sprawdzian: Wiosna — do piątku 12.06, 1 podejście" (UTF-8).
std::string TestToTakeText(const TestToTake& offered);
