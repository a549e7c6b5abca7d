// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ClassTable.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"

PupilRow MakePupilRow(const std::string& pupil, const PupilSummary& summary,
                      const std::vector<std::string>& lessons) {
    PupilRow row;
    row.pupil = pupil;
    row.runs = summary.runs;
    row.lastRun = summary.lastRun;
    row.weakKeys = summary.weakKeys;
    for (const std::string& lesson : lessons) {
        const auto ran = summary.lessons.find(Folded(lesson));
        row.lessons.push_back(ran == summary.lessons.end() ? LessonCell{} : ran->second);
        if (row.lessons.back().bestGrade >= kPassGrade)
            row.lessonsPassed += 1;
    }
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
