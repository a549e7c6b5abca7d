// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PlausibleRun.h"

#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFullPercent = 100.0;

bool IsVisibleText(const std::string& text) {
    return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
        return IsControlCharacter(UnicodeFromCp1250(static_cast<unsigned char>(c)));
    });
}

// What every run the program writes has: empty reserved texts, the second
// reserved number 0, and the first 0 or a share from 0 to 100.
bool HasProgramsReservedValues(const StatRecord& run) {
    return run.reservedText1.empty() && run.reservedText2.empty() && run.reservedValue2 == 0.0 &&
           run.reservedValue1 >= 0.0 && run.reservedValue1 <= kFullPercent;
}

} // namespace

// Bytes read out of step make numbers far too small or too large, almost
// never a round 0: a number the program writes is 0 or no smaller than this.
constexpr double kSmallestWritten = 1e-6;
// The program was written long after 1990 and pupils will not use it after
// 2100: days from 1899-12-30.
constexpr double kEarliestDay = 32874.0, kLatestDay = 73051.0;

bool IsWrittenNumber(double value, double largest) {
    return value == 0.0 || (value >= kSmallestWritten && value <= largest);
}

bool IsPlausibleRun(const StatRecord& run) {
    return HasProgramsReservedValues(run) &&
           IsWrittenNumber(run.reservedValue1, kFullPercent) &&
           IsWrittenNumber(run.charsPerMinute, kFastestPlausibleSpeed) &&
           IsWrittenNumber(run.errorPercent, kFullPercent) &&
           run.date.GetStatus() == COleDateTime::valid && run.date.Value() >= kEarliestDay &&
           run.date.Value() <= kLatestDay && IsVisibleText(run.lesson);
}

StatRecord WithShowableValues(StatRecord run) {
    if (!(std::isfinite(run.charsPerMinute) && run.charsPerMinute >= 0.0))
        run.charsPerMinute = 0.0;
    run.errorPercent = std::isnan(run.errorPercent)
                           ? kFullPercent
                           : std::clamp(run.errorPercent, 0.0, kFullPercent);
    return run;
}

size_t KeepPlausibleRuns(CPupilStats& stats) {
    const auto firstImplausible = std::find_if_not(stats.begin(), stats.end(), IsPlausibleRun);
    if (firstImplausible != stats.end()) {
        stats.erase(firstImplausible, stats.end());
        stats.m_charErrors.clear();
    }
    return stats.size();
}
