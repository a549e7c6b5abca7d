// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ClassTable.h"

#include "exercise/Grading.h"
#include "exercise/LessonGrades.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <unordered_map>

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

// The runs of one lesson name as stored (in any letter case). Its best run
// is the best of those that reached the end of the text, or any run where
// all ended early.
struct NameTally {
    LessonCell cell;
    const StatRecord* bestRun = nullptr;
    int bestGrade = 0;

    void Add(const StatRecord& run) {
        AddRun(cell, run);
        if (!bestRun) {
            bestRun = &run;
            bestGrade = WasEndedEarly(run) ? 0 : GradeOfRun(run);
            return;
        }
        const int grade = GradeOfRun(run);
        if (!WasEndedEarly(run) && (WasEndedEarly(*bestRun) || grade > bestGrade)) {
            bestRun = &run;
            bestGrade = grade;
        }
    }
};

// A history names a few lessons thousands of times: its runs are tallied
// by name, in the order the names first come, and each name is then
// matched to its column once.
std::vector<NameTally> TallyByName(const CStatRecordArray& runs) {
    std::vector<NameTally> tallies;
    std::unordered_map<std::string_view, size_t> tallyOfName;
    for (const StatRecord& run : runs) {
        const auto [named, isNew] = tallyOfName.try_emplace(run.lesson, tallies.size());
        if (isNew)
            tallies.emplace_back();
        tallies[named->second].Add(run);
    }
    return tallies;
}

} // namespace

PupilRow MakePupilRow(const std::string& pupil, const CStatRecordArray& runs,
                      const std::vector<std::string>& lessons) {
    PupilRow row;
    row.pupil = pupil;
    row.runs = static_cast<int>(runs.size());
    row.lessons.resize(lessons.size());
    for (const StatRecord& run : runs)
        row.lastRun = Later(row.lastRun, run.date);
    std::map<std::string, size_t> columnOfLesson;
    for (size_t column = 0; column < lessons.size(); ++column)
        columnOfLesson.emplace(Folded(lessons[column]), column);
    // Each name's best run grades the lessons as all its runs would.
    CStatRecordArray bestRuns;
    for (const NameTally& tally : TallyByName(runs)) {
        bestRuns.push_back(*tally.bestRun);
        const auto column = columnOfLesson.find(Folded(tally.bestRun->lesson));
        if (column != columnOfLesson.end())
            AddCell(row.lessons[column->second], tally.cell);
    }
    const CLessonGrades grades(bestRuns);
    for (size_t column = 0; column < lessons.size(); ++column)
        row.lessons[column].bestGrade = grades.BestGrade(lessons[column]);
    row.lessonsPassed = grades.PassedCount(lessons);
    return row;
}

PupilRow MakeUnreadableRow(const std::string& pupil, const std::string& problem,
                           const std::vector<std::string>& lessons) {
    PupilRow row;
    row.pupil = pupil;
    row.problem = problem;
    row.lessons.resize(lessons.size());
    return row;
}
