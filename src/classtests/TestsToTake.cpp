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
    std::vector<TestToTake> offered;
    try {
        for (const ListedClassTest& listed : ListClassTests(pupils)) {
            if (!listed.problem.empty() || OpennessOf(listed.test, now) != TestOpenness::Open)
                continue;
            const int left = AttemptLedger::Read(pupils, listed.id).Left(listed.test, pupil);
            if (left > 0)
                offered.push_back({listed.test, left});
        }
    } catch (const FileError&) {
        return {};
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
