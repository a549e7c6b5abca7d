// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTest.h"
#include "classtests/TestResult.h"
#include "platform/ProgramFolders.h"
#include "pupils/StatRecord.h"

#include <optional>
#include <string>
#include <vector>

// One pupil's row of a test's marking table.
struct ClassTestRow {
    std::string pupil; // Windows-1250
    // The folder's name as the file system has it (UTF-8), for a folder
    // whose name Windows-1250 cannot hold; empty for every other pupil.
    std::string folderName;
    std::optional<TestResult> best; // none: the pupil has not taken the test
    // The best result matches no run of the pupil's stat.dat: the results
    // folder is writable by every pupil's account, stat.dat is not.
    bool doubtful = false;
    int attemptsUsed = 0;
    int attemptsAllowed = 0; // with the extra ones
    std::string problem;     // what of the pupil cannot be read, why (UTF-8)

    bool operator==(const ClassTestRow&) const = default;
};

// The best of the results: the highest mark, then the higher speed.
const TestResult* BestResult(const std::vector<const TestResult*>& results);

// True when the runs hold the result's run: the same RunKey, or a run with
// the same date (to the second), speed and errors.
bool BackedByRuns(const TestResult& result, const CStatRecordArray& runs);

// A row per pupil of the pupils folder, in the Polish order. Throws
// FileError when the pupils folder or the test's folders cannot be read.
std::vector<ClassTestRow> MakeClassTestTable(const PupilsFolder& pupils, const ClassTest& test);

// What the table says in a row's remarks: "nie pisał(a)" (for a pupil
// whose files could all be read), "wątpliwy", "przerwany" and the
// problem, between commas (UTF-8).
std::string RowRemarks(const ClassTestRow& row);
