// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTestTable.h"

#include <string>
#include <vector>

// A test's marking table for a spreadsheet, as the class's CSV is written
// (platform/CsvFields.h): pupil, mark, speed, errors %, date and time of
// the best attempt, attempts used, attempts allowed, remarks.
std::string ClassTestCsv(const std::vector<ClassTestRow>& rows);
