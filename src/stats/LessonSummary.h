// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/ShownRun.h"

#include <optional>
#include <string>

// The two summary boxes for the runs of one lesson (Windows-1250 texts).
struct LessonSummary {
    std::string runsText;     // lesson, number of runs, period and its length in days
    std::string progressText; // average, best, daily gain and the forecast for a month
};

// The highest speed of the runs, or 0 when there are none.
double BestSpeed(const ShownRuns& runs);

// Nothing when the lesson has no runs: the boxes then keep what they show.
std::optional<LessonSummary> SummariseLesson(const std::string& lesson, const ShownRuns& runs);
