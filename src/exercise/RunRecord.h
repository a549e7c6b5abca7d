// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/StatRecord.h"

#include <string>

// What was counted in one run of a lesson.
struct RunCounts {
    double correct = 0.0;
    double errors = 0.0;
    double typed = 0.0;
    double elapsedMs = 0.0;
};

// The record stored for a run: speed in correct keystrokes a minute, and the
// errors as a percentage of the characters typed, at most 100. A run in which
// nothing was typed and nothing was wrong stores 0 % errors.
StatRecord MakeRunRecord(const std::string& lesson, const RunCounts& counts,
                         const COleDateTime& when);
