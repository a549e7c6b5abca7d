// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/StatRecord.h"

#include <map>
#include <string>
#include <vector>

// The grades of one pupil's lessons from their runs: the best grade of each
// lesson, letter case aside, of the runs that reached the end of the text: a
// run ended early keeps its grade in stat.dat, but passes nothing. The one
// grading of lessons that the lesson list, the class table and the pupil
// report show.
class CLessonGrades {
public:
    CLessonGrades() = default;
    explicit CLessonGrades(const CStatRecordArray& runs);

    // Counts one more run.
    void Add(const StatRecord& run);

    // 0 when the pupil has no run of the lesson (Windows-1250, any case).
    int BestGrade(const std::string& lesson) const;
    bool Passed(const std::string& lesson) const;
    // True when the pupil has runs of the lesson, but none that reached the
    // end of its text.
    bool OnlyEndedEarly(const std::string& lesson) const;
    // How many of the lessons are passed.
    int PassedCount(const std::vector<std::string>& lessons) const;

private:
    // A long history names few lessons many times over, so each name as
    // stored is case-folded once, and a run only looks its name up.
    struct StoredName {
        int best = 0;
        bool endedEarly = false;
        std::string folded;
    };
    std::map<std::string, StoredName, std::less<>> m_storedNames;
    std::map<std::string, int> m_bestByFoldedLesson; // 0 where all ended early
};
