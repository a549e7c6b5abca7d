// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/TestsToTake.h"

#include "classtests/Attempts.h"
#include "classtests/ClassTestFile.h"
#include "platform/FileError.h"

#include <array>
#include <cstdio>

namespace {

// "do piątku": the weekday as it follows "do", Sunday first.
constexpr std::array<const char*, 7> kUntilWeekday{"niedzieli", "poniedziałku", "wtorku", "środy",
                                                   "czwartku",  "piątku",       "soboty"};

std::string UntilDayText(std::chrono::sys_days day) {
    using namespace std::chrono;
    const year_month_day date{day};
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02u.%02u", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()));
    return std::string("do ") + kUntilWeekday[weekday{day}.c_encoding()] + " " + digits;
}

} // namespace

std::vector<TestToTake> TestsToTake(const PupilsFolder& pupils, const std::string& pupil,
                                    const ShareTime& now) {
    std::vector<ListedClassTest> listed;
    try {
        listed = ListClassTests(pupils);
    } catch (const FileError&) {
        return {};
    }
    std::vector<TestToTake> offered;
    for (const ListedClassTest& one : listed) {
        if (!one.problem.empty() || OpennessOf(one.test, now) != TestOpenness::Open)
            continue;
        try {
            const int left = AttemptLedger::Read(pupils, one.id).Left(one.test, pupil);
            if (left > 0)
                offered.push_back({one.test, left});
        } catch (const FileError&) {
        }
    }
    return offered;
}

std::string AttemptsText(int attempts) {
    const int lastTwo = attempts % 100;
    const int last = attempts % 10;
    const char* word = "podejść";
    if (attempts == 1)
        word = "podejście";
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        word = "podejścia";
    return std::to_string(attempts) + " " + word;
}

std::string TestToTakeText(const TestToTake& offered) {
    return "Sprawdzian: " + offered.test.name + " — " + UntilDayText(offered.test.openTo) + ", " +
           AttemptsText(offered.attemptsLeft);
}
