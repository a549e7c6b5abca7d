// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/RunRecord.h"

#include "exercise/Grading.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMaxErrorPercent = 100.0;
}

StatRecord MakeRunRecord(const std::string& lesson, const RunCounts& counts,
                         const COleDateTime& when) {
    StatRecord record;
    record.lesson = lesson;
    record.date = when;
    record.charsPerMinute = CharactersPerMinute(counts.correct, counts.elapsedMs);
    const double errorPercent = ErrorPercentage(counts.typed, counts.errors);
    record.errorPercent = std::isnan(errorPercent) ? 0.0 : std::min(errorPercent, kMaxErrorPercent);
    return record;
}
