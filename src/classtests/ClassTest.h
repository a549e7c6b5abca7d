// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

// A sprawdzian: a timed typing test a teacher sets for the whole class.

// What a run must reach for one school mark.
struct MarkLimit {
    double minSpeed = 0.0;        // characters a minute, at least
    double maxErrorPercent = 0.0; // errors in percent, at most

    bool operator==(const MarkLimit&) const = default;
};

constexpr int kLowestMark = 1;
constexpr int kHighestSchoolMark = 6; // celujący
// The teacher's limits, one per mark from 1 to 6.
using OwnMarks = std::array<MarkLimit, kHighestSchoolMark>;

constexpr int kNoTimeLimit = 0; // to the end of the text
constexpr int kShortestTimeLimit = 60;
constexpr int kLongestTimeLimit = 900;
constexpr int kDefaultAttempts = 1;
constexpr int kMostAttempts = 99;

struct ClassTest {
    std::string id;                 // its folder's name in the class folder
    std::string name;               // UTF-8
    std::vector<std::string> lines; // the text, Windows-1250
    int timeLimitSeconds = kNoTimeLimit;
    std::chrono::sys_days openFrom{};
    std::chrono::sys_days openTo{}; // the last day it is open
    int attemptsAllowed = kDefaultAttempts;
    bool aidsAllowed = false;
    // The teacher's limits; none for the program's own grades (1 to 5).
    std::optional<OwnMarks> ownMarks;

    bool operator==(const ClassTest&) const = default;
};

// The mark of a run: with the teacher's limits the highest mark whose both
// limits the run meets (exactly at a limit meets it), else 1; without them
// the program's grade.
int MarkOf(const ClassTest& test, double charsPerMinute, double errorPercent);

// The lesson name the test's runs are stored under in stat.dat
// (Windows-1250): "Sprawdzian: " and the test's name.
std::string TestLessonName(const ClassTest& test);

// Why the test cannot be set as it is (Polish, UTF-8); empty when it can.
std::string ClassTestProblem(const ClassTest& test);
