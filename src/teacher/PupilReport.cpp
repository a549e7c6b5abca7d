// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/PupilReport.h"

#include "exercise/LessonGrades.h"
#include "platform/Cp1250.h"
#include "pupils/PlausibleRun.h"
#include "stats/CharErrorRanking.h"

#include <algorithm>
#include <map>

namespace {

LessonReport ReportOfLesson(const std::string& lesson, const CStatRecordArray& runs) {
    LessonReport report{lesson, static_cast<int>(runs.size())};
    double speeds = 0.0, errors = 0.0;
    for (const StatRecord& stored : runs) {
        const StatRecord run = WithShowableValues(stored);
        report.bestSpeed = std::max(report.bestSpeed, run.charsPerMinute);
        speeds += run.charsPerMinute;
        errors += run.errorPercent;
        if (WasEndedEarly(stored))
            ++report.endedEarly;
    }
    if (!runs.empty()) {
        report.averageSpeed = speeds / static_cast<double>(runs.size());
        report.averageErrorPercent = errors / static_cast<double>(runs.size());
    }
    const CLessonGrades grades(runs);
    report.bestGrade = grades.BestGrade(lesson);
    report.passed = grades.Passed(lesson);
    report.onlyEndedEarly = grades.OnlyEndedEarly(lesson);
    return report;
}

// The list's lessons, then the other lessons of the runs in order of first run.
std::vector<std::string> LessonsOfReport(const CPupilStats& stats,
                                         const std::vector<std::string>& lessons) {
    std::vector<std::string> all = lessons;
    for (const StatRecord& run : stats)
        if (std::none_of(all.begin(), all.end(), [&run](const std::string& lesson) {
                return EqualsIgnoringCase(lesson, run.lesson);
            }))
            all.push_back(run.lesson);
    return all;
}

} // namespace

PupilReport MakePupilReport(const std::string& pupil, const CPupilStats& stats,
                            const std::vector<std::string>& lessons) {
    PupilReport report;
    report.pupil = pupil;
    report.runs = static_cast<int>(stats.size());
    for (const std::string& lesson : LessonsOfReport(stats, lessons)) {
        CStatRecordArray runs;
        stats.SelectRunsOfLesson(lesson, runs);
        report.lessons.push_back(ReportOfLesson(lesson, runs));
    }
    for (const StatRecord& run : stats)
        if (run.date.IsDisplayable())
            report.speeds.push_back({run.date, WithShowableValues(run).charsPerMinute});
    std::stable_sort(report.speeds.begin(), report.speeds.end(), [](const auto& a, const auto& b) {
        return a.date.LinearDays() < b.date.LinearDays();
    });
    report.mistyped = stats.m_charErrors;
    SortCharErrorsByCount(report.mistyped);
    return report;
}
