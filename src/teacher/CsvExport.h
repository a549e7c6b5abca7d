// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/StatRecord.h"
#include "teacher/ClassTable.h"

#include <string>
#include <vector>

// The class's runs and table for a spreadsheet (platform/CsvFields.h).

struct PupilRuns {
    std::string pupil;   // Windows-1250
    std::string problem; // why the pupil's runs cannot be shown (UTF-8); empty when they can
    CStatRecordArray runs;
};

// Every run: pupil, lesson, date and time (ISO 8601), speed, error %, grade,
// how much of the text was typed (%), remarks ("przerwane" for a run ended
// early); a pupil whose runs cannot be shown has one line saying why.
std::string RunsCsv(const std::vector<PupilRuns>& pupils);

// The class table: pupil, runs, lessons passed, last run, then the best
// grade of each lesson ("" when not tried); an unreadable file's row says why.
std::string ClassTableCsv(const std::vector<std::string>& lessons,
                          const std::vector<PupilRow>& rows);

// Every run of every pupil of the pupils folder, read now, pupils in the
// Polish alphabetical order. The pupils whose runs cannot be shown have a
// line saying why and are named with the reason in unreadable (UTF-8).
// Throws FileError when the pupils folder itself is not available.
std::string ClassRunsCsv(const PupilsFolder& pupils, std::vector<std::string>& unreadable);
