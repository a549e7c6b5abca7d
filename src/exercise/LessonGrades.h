#pragma once

#include "pupils/StatRecord.h"

#include <map>
#include <string>
#include <vector>

// The grades of one pupil's lessons from their runs: the best grade of each
// lesson, letter case aside. The one grading of lessons that the lesson
// list, the class table and the pupil report show.
class CLessonGrades {
public:
    explicit CLessonGrades(const CStatRecordArray& runs);

    // 0 when the pupil has no run of the lesson (Windows-1250, any case).
    int BestGrade(const std::string& lesson) const;
    bool Passed(const std::string& lesson) const;
    // How many of the lessons are passed.
    int PassedCount(const std::vector<std::string>& lessons) const;

private:
    std::map<std::string, int> m_bestByFoldedLesson;
};
