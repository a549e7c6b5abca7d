// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <string>
#include <string_view>

// Where the pupils' files lie. A pupil is a folder in the pupils folder,
// named after the pupil; pupil names are Windows-1250, the paths returned
// are in the system's encoding. Only MakePupilFolder touches the disk.

// The empty name (no pupil chosen) is the pupils folder itself.
std::string GetPupilFolder(const PupilsFolder& pupils, const std::string& pupil);
// The pupil's folder + "/stat.dat".
std::string GetStatFilePath(const PupilsFolder& pupils, const std::string& pupil);

// The folder of the tests the teacher sets for the class, in the pupils
// folder; it is never a pupil's.
inline constexpr std::string_view kClassTestsFolderName = "Sprawdziany";
std::string GetClassTestsFolder(const PupilsFolder& pupils);

// Creates the pupil's folder when missing (writable for the group when the
// pupils folder is shared with one), and the pupils folder too unless the
// school set it. Throws FileError when it cannot, or when the pupils folder
// is not available (see PupilsFolderProblem).
void MakePupilFolder(const PupilsFolder& pupils, const std::string& pupil);
