// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/OleDateTime.h"
#include "pupils/StatRecord.h"

#include <vector>

// What the statistics window shows of one run: its date, and its speed and
// error percentage as a window can show them, whatever the file held.
struct ShownRun {
    COleDateTime date;
    double charsPerMinute = 0.0;
    double errorPercent = 0.0;

    bool operator==(const ShownRun&) const = default;
};

// The runs of one lesson, oldest first.
using ShownRuns = std::vector<ShownRun>;

ShownRun ShownRunOf(const StatRecord& run);
