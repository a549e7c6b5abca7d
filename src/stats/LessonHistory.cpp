#include "stats/LessonHistory.h"

#include "platform/Cp1250.h"

#include <string_view>
#include <unordered_map>

CLessonHistory::CLessonHistory(const CPupilStats& stats) : m_charErrors(stats.m_charErrors) {
    // Many runs share few names: each stored name is folded once.
    std::unordered_map<std::string_view, ShownRuns*> runsByStoredName;
    for (const StatRecord& run : stats) {
        auto [known, added] = runsByStoredName.try_emplace(run.lesson, nullptr);
        if (added) {
            m_names.push_back(run.lesson);
            known->second = &m_runsByFoldedLesson[Folded(run.lesson)];
        }
        known->second->push_back(ShownRunOf(run));
    }
    for (auto& [lesson, runs] : m_runsByFoldedLesson)
        runs.shrink_to_fit();
}

const ShownRuns& CLessonHistory::RunsOf(const std::string& lesson) const {
    static const ShownRuns kNone;
    const auto found = m_runsByFoldedLesson.find(Folded(lesson));
    return found == m_runsByFoldedLesson.end() ? kNone : found->second;
}
