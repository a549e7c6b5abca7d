// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileError.h"
#include "platform/ProgramFolders.h"

#include <optional>

// The file that marks a school's pupils folder as set up for the program.
// A share's mount point looks like an empty folder while the share is not
// mounted; without the mark such a folder is never taken for the class.
constexpr const char* kPupilsFolderMark = ".tastrum-pupils";

// Why the pupils folder cannot be used now, naming the folder; nothing when
// it can. A pupils folder of the program's own that is not there yet is
// fine: it is made with the first run. A folder the school set must be
// there and carry the mark; one that already holds pupils with runs gets
// the mark now.
std::optional<FileError> PupilsFolderProblem(const PupilsFolder& pupils);
