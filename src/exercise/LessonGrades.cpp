#include "exercise/LessonGrades.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

// A long history names few lessons many times over, so the best grade is
// first taken per name as stored, and only the few names are case-folded.
CLessonGrades::CLessonGrades(const CStatRecordArray& runs) {
    std::unordered_map<std::string_view, int> bestByStoredName;
    for (const StatRecord& run : runs) {
        const auto [entry, added] = bestByStoredName.try_emplace(run.lesson, GradeOfRun(run));
        if (!added)
            entry->second = std::max(entry->second, GradeOfRun(run));
    }
    for (const auto& [name, grade] : bestByStoredName) {
        int& best = m_bestByFoldedLesson[Folded(std::string(name))];
        best = std::max(best, grade);
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
    return static_cast<int>(
        std::count_if(lessons.begin(), lessons.end(),
                      [this](const std::string& lesson) { return Passed(lesson); }));
}
