// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/OleDateTime.h"
#include "pupils/StatRecord.h"
#include "teacher/LessonCell.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// What the class table shows of one pupil, made once from all their runs:
// a pupil's row for any list of lessons comes from it without the runs.
struct PupilSummary {
    int runs = 0;
    COleDateTime lastRun{0.0, COleDateTime::invalid};
    // Each lesson the pupil ran, by its name folded for letter case
    // (Windows-1250), as the lesson list matches names.
    std::map<std::string, LessonCell> lessons;
    std::string weakKeys; // the pupil's weakest keys, "ł, ż" (UTF-8)
};

// Makes a pupil's summary from their runs, given one by one in stored order.
class CPupilSummaryMaker {
public:
    void Add(const StatRecord& run);
    // The summary of the runs added so far, without the weak keys.
    PupilSummary Summary() const;

private:
    // The runs of one lesson name as stored (in any letter case). Its best
    // run is the best of those that reached the end of the text, or the
    // first where all ended early.
    struct NameTally {
        LessonCell cell;
        StatRecord bestRun;
        int bestGrade = 0;

        void Add(const StatRecord& run);
    };

    int m_runs = 0;
    COleDateTime m_lastRun{0.0, COleDateTime::invalid};
    // A history names a few lessons thousands of times: its runs are
    // tallied by name as stored, and each name is folded once at the end.
    std::vector<NameTally> m_tallies;
    std::unordered_map<std::string, size_t> m_tallyOfName;
};
