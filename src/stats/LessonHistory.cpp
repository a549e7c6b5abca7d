// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/LessonHistory.h"

#include "platform/Cp1250.h"

#include <string_view>

CLessonHistory::CLessonHistory(const CPupilStats& stats) : m_charErrors(stats.m_charErrors) {
    for (const StatRecord& run : stats)
        Add(run);
}

void CLessonHistory::Add(const StatRecord& run) {
    auto known = m_runsOfStoredName.find(std::string_view(run.lesson));
    if (known == m_runsOfStoredName.end()) {
        m_names.push_back(run.lesson);
        known =
            m_runsOfStoredName.emplace(run.lesson, &m_runsByFoldedLesson[Folded(run.lesson)]).first;
    }
    known->second->push_back(ShownRunOf(run));
}

const ShownRuns& CLessonHistory::RunsOf(const std::string& lesson) const {
    static const ShownRuns kNone;
    const auto found = m_runsByFoldedLesson.find(Folded(lesson));
    return found == m_runsByFoldedLesson.end() ? kNone : found->second;
}
