// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileError.h"
#include "platform/ProgramFolders.h"
#include "platform/StringList.h"

#include <optional>
#include <string>
#include <vector>

// Appends the names of the pupils (the folders in the pupils folder, each
// under its whole name, in Windows-1250) in the order the file system lists
// them, and returns how many it appended. A folder whose name has characters
// that Windows-1250 lacks is left out: its runs could not be stored under it.
int ListPupils(const PupilsFolder& pupils, StringList& names);

// A pupil's folder whose name the program cannot use as a pupil's name.
struct UnlistedPupil {
    std::string pupil;      // the name as near as Windows-1250 comes to it
    std::string problem;    // why, in Polish (UTF-8)
    std::string folderName; // as the file system has it, printable (UTF-8)
};

// What the pupils folder holds, for the teacher: the pupils as ListPupils
// gives them, the folders that cannot be shown as pupils, and why the
// pupils folder itself cannot be read, if it cannot.
struct PupilScan {
    StringList names;
    std::vector<UnlistedPupil> unlisted;
    std::optional<FileError> folderProblem;
};
PupilScan ScanPupils(const PupilsFolder& pupils);
