// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/CharErrorCount.h"
#include "pupils/OleDateTime.h"
#include "pupils/PupilStats.h"

#include <string>
#include <vector>

// One lesson in a pupil's report.
struct LessonReport {
    std::string lesson; // Windows-1250
    int runs = 0;
    int endedEarly = 0; // runs ended before the text was done
    double bestSpeed = 0.0;
    double averageSpeed = 0.0;
    double averageErrorPercent = 0.0;
    int bestGrade = 0; // 0 when not tried
    bool passed = false;
    bool onlyEndedEarly = false; // tried, but no run reached the end of the text
};

// One run on the report's chart of speed over time.
struct SpeedPoint {
    COleDateTime date;
    double charsPerMinute = 0.0;
};

// A pupil's report card: every lesson of the list, then any other lesson
// the pupil ran (one renamed since, say), in the order first run; the
// speed of every run with a date the program can show, oldest first; and
// the characters mistyped most, most first.
struct PupilReport {
    std::string pupil; // Windows-1250
    int runs = 0;
    std::vector<LessonReport> lessons;
    std::vector<SpeedPoint> speeds;
    CharErrorArray mistyped;
    // From the key measurements: the weakest keys ("ł, ż", UTF-8) and each
    // key's recent error rate in tenths of a percent; empty without them.
    std::string weakKeys;
    CharErrorArray recentErrors;
};

PupilReport MakePupilReport(const std::string& pupil, const CPupilStats& stats,
                            const std::vector<std::string>& lessons);
