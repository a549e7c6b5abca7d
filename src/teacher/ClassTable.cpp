#include "teacher/ClassTable.h"

#include "exercise/LessonGrades.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>
#include <map>

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

} // namespace

PupilRow MakePupilRow(const std::string& pupil, const CStatRecordArray& runs,
                      const std::vector<std::string>& lessons) {
    PupilRow row;
    row.pupil = pupil;
    row.runs = static_cast<int>(runs.size());
    row.lessons.resize(lessons.size());
    std::map<std::string, size_t> columnOfLesson;
    for (size_t column = 0; column < lessons.size(); ++column)
        columnOfLesson.emplace(Folded(lessons[column]), column);
    for (const StatRecord& run : runs) {
        row.lastRun = Later(row.lastRun, run.date);
        const auto column = columnOfLesson.find(Folded(run.lesson));
        if (column != columnOfLesson.end())
            AddRun(row.lessons[column->second], run);
    }
    const CLessonGrades grades(runs);
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
