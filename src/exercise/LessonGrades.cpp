#include "exercise/LessonGrades.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"

#include <algorithm>

CLessonGrades::CLessonGrades(const CStatRecordArray& runs) {
    for (const StatRecord& run : runs) {
        int& best = m_bestByFoldedLesson[Folded(run.lesson)];
        best = std::max(best, GradeOfRun(run));
    }
}

int CLessonGrades::BestGrade(const std::string& lesson) const {
    const auto found = m_bestByFoldedLesson.find(Folded(lesson));
    return found == m_bestByFoldedLesson.end() ? 0 : found->second;
}

bool CLessonGrades::Passed(const std::string& lesson) const {
    return BestGrade(lesson) >= kPassGrade;
}

int CLessonGrades::PassedCount(const std::vector<std::string>& lessons) const {
    return static_cast<int>(std::count_if(lessons.begin(), lessons.end(),
                                          [this](const std::string& lesson) { return Passed(lesson); }));
}
