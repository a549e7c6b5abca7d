// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/PupilSummary.h"

#include "exercise/Grading.h"
#include "exercise/LessonGrades.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>

namespace {

// The later of two dates; an invalid one never wins.
COleDateTime Later(const COleDateTime& a, const COleDateTime& b) {
    if (!b.IsDisplayable())
        return a;
    if (!a.IsDisplayable() || b.LinearDays() > a.LinearDays())
        return b;
    return a;
}

void AddRun(LessonCell& cell, const StatRecord& run) {
    cell.runs += 1;
    if (WasEndedEarly(run))
        cell.endedEarly += 1;
    if (std::isfinite(run.charsPerMinute))
        cell.bestSpeed = std::max(cell.bestSpeed, run.charsPerMinute);
    cell.lastRun = Later(cell.lastRun, run.date);
}

void AddCell(LessonCell& cell, const LessonCell& more) {
    cell.runs += more.runs;
    cell.endedEarly += more.endedEarly;
    cell.bestSpeed = std::max(cell.bestSpeed, more.bestSpeed);
    cell.lastRun = Later(cell.lastRun, more.lastRun);
}

} // namespace

void CPupilSummaryMaker::NameTally::Add(const StatRecord& run) {
    const bool first = cell.runs == 0;
    AddRun(cell, run);
    if (first) {
        bestRun = run;
        bestGrade = WasEndedEarly(run) ? 0 : GradeOfRun(run);
        return;
    }
    if (WasEndedEarly(run))
        return;
    const int grade = GradeOfRun(run);
    if (WasEndedEarly(bestRun) || grade > bestGrade) {
        bestRun = run;
        bestGrade = grade;
    }
}

void CPupilSummaryMaker::Add(const StatRecord& run) {
    m_runs += 1;
    m_lastRun = Later(m_lastRun, run.date);
    const auto [named, isNew] = m_tallyOfName.try_emplace(run.lesson, m_tallies.size());
    if (isNew)
        m_tallies.emplace_back();
    m_tallies[named->second].Add(run);
}

PupilSummary CPupilSummaryMaker::Summary() const {
    PupilSummary summary;
    summary.runs = m_runs;
    summary.lastRun = m_lastRun;
    // Each name's best run grades the lessons as all its runs would.
    CStatRecordArray bestRuns;
    for (const NameTally& tally : m_tallies) {
        bestRuns.push_back(tally.bestRun);
        AddCell(summary.lessons[Folded(tally.bestRun.lesson)], tally.cell);
    }
    const CLessonGrades grades(bestRuns);
    for (auto& [lesson, cell] : summary.lessons)
        cell.bestGrade = grades.BestGrade(lesson);
    return summary;
}
