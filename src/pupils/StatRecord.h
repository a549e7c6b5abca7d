// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/OleDateTime.h"

#include <string>
#include <vector>

// One stored run of a lesson. The lesson name is Windows-1250; the reserved
// fields are kept as the file holds them and never shown.
struct StatRecord {
    std::string lesson;
    double charsPerMinute = 0.0;
    COleDateTime date;
    double errorPercent = 0.0;
    std::string reservedText1;
    std::string reservedText2;
    double reservedValue1 = 0.0;
    double reservedValue2 = 0.0;

    bool operator==(const StatRecord&) const = default;
};

// A run ended before its text was done keeps in its first reserved number
// how much of the text was left untyped, in percent; a finished run has 0
// there, as every run had before.
bool WasEndedEarly(const StatRecord& run);
// How much of the text the run typed, in percent: 100 for a finished run.
double TypedPercentOf(const StatRecord& run);

// The runs of a pupil, oldest first.
class CStatRecordArray : public std::vector<StatRecord> {
public:
    // Appends to dest every run whose lesson equals the given name, ignoring
    // letter case (Polish letters included), in stored order.
    void SelectRunsOfLesson(const std::string& lesson, CStatRecordArray& dest) const;
};
