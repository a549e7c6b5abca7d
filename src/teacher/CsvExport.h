#pragma once

#include "pupils/StatRecord.h"
#include "teacher/ClassTable.h"

#include <string>
#include <vector>

// Files a Polish spreadsheet opens by a double-click with letters and
// numbers right: UTF-8 with a byte-order mark, fields split by semicolons,
// numbers with a decimal comma, lines ending in CR LF, a field quoted when
// it holds a semicolon, a quote or a line break.

struct PupilRuns {
    std::string pupil; // Windows-1250
    CStatRecordArray runs;
};

// Every run: pupil, lesson, date and time (ISO 8601), speed, error %, grade.
std::string RunsCsv(const std::vector<PupilRuns>& pupils);

// The class table: pupil, runs, lessons passed, last run, then the best
// grade of each lesson ("" when not tried); an unreadable file's row says why.
std::string ClassTableCsv(const std::vector<std::string>& lessons,
                          const std::vector<PupilRow>& rows);

// Every run of every pupil of the pupils folder, read now. The pupils whose
// files cannot be read are left out, each named with the reason in
// unreadable (UTF-8).
std::string ClassRunsCsv(std::vector<std::string>& unreadable);
