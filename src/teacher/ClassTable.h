// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/OleDateTime.h"
#include "teacher/LessonCell.h"
#include "teacher/PupilSummary.h"

#include <string>
#include <vector>

// One pupil's row of the class table.
struct PupilRow {
    std::string pupil;   // Windows-1250
    std::string problem; // why the pupil's file cannot be shown (UTF-8); empty when it can
    int runs = 0;
    int lessonsPassed = 0; // lessons of the table with a best grade of 2 or more
    COleDateTime lastRun{0.0, COleDateTime::invalid};
    std::vector<LessonCell> lessons; // one per lesson of the table, in its order
    std::string weakKeys;            // the pupil's weakest keys, "ł, ż" (UTF-8)
    // The folder's name as the file system has it (UTF-8), for a folder
    // whose name Windows-1250 cannot hold; empty for every other pupil.
    std::string folderName;

    bool operator==(const PupilRow&) const = default;
};

// The row of a pupil from the summary of their runs; lessons are the table's
// lesson names (Windows-1250), matched as the lesson list matches them,
// without regard to letter case.
PupilRow MakePupilRow(const std::string& pupil, const PupilSummary& summary,
                      const std::vector<std::string>& lessons);

// The row of a pupil whose file cannot be read, with the reason.
PupilRow MakeUnreadableRow(const std::string& pupil, const std::string& problem,
                           const std::vector<std::string>& lessons);
