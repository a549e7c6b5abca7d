// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/StatRecord.h"

#include "platform/Cp1250.h"

#include <algorithm>

void CStatRecordArray::SelectRunsOfLesson(const std::string& lesson, CStatRecordArray& dest) const {
    const auto matching = std::count_if(begin(), end(), [&lesson](const StatRecord& run) {
        return EqualsIgnoringCase(run.lesson, lesson);
    });
    dest.reserve(dest.size() + static_cast<size_t>(matching));
    for (const StatRecord& run : *this)
        if (EqualsIgnoringCase(run.lesson, lesson))
            dest.push_back(run);
}

bool WasEndedEarly(const StatRecord& run) {
    return run.reservedValue1 > 0.0;
}

double TypedPercentOf(const StatRecord& run) {
    constexpr double kWholeText = 100.0;
    return kWholeText - std::clamp(run.reservedValue1, 0.0, kWholeText);
}
