// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/LessonGrades.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <string_view>

CLessonGrades::CLessonGrades(const CStatRecordArray& runs) {
    for (const StatRecord& run : runs)
        Add(run);
}

void CLessonGrades::Add(const StatRecord& run) {
    auto name = m_storedNames.find(std::string_view(run.lesson));
    if (name == m_storedNames.end())
        name = m_storedNames.emplace(run.lesson, StoredName{0, false, Folded(run.lesson)}).first;
    if (WasEndedEarly(run)) {
        if (!name->second.endedEarly)
            m_bestByFoldedLesson.try_emplace(name->second.folded, 0);
        name->second.endedEarly = true;
        return;
    }
    const int grade = GradeOfRun(run);
    if (grade <= name->second.best)
        return;
    name->second.best = grade;
    int& best = m_bestByFoldedLesson[name->second.folded];
    best = std::max(best, grade);
}

int CLessonGrades::BestGrade(const std::string& lesson) const {
    const auto found = m_bestByFoldedLesson.find(Folded(lesson));
    return found == m_bestByFoldedLesson.end() ? 0 : found->second;
}

bool CLessonGrades::OnlyEndedEarly(const std::string& lesson) const {
    const auto found = m_bestByFoldedLesson.find(Folded(lesson));
    return found != m_bestByFoldedLesson.end() && found->second == 0;
}

bool CLessonGrades::Passed(const std::string& lesson) const {
    return BestGrade(lesson) >= kPassGrade;
}

int CLessonGrades::PassedCount(const std::vector<std::string>& lessons) const {
    return static_cast<int>(
        std::count_if(lessons.begin(), lessons.end(),
                      [this](const std::string& lesson) { return Passed(lesson); }));
}
