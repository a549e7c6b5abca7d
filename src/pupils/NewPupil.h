// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <string>

// Makes the folder of a new pupil from the name as typed (UTF-8; spaces
// around it do not count). Returns what to tell the user, briefly and in
// Polish, when the name cannot be a pupil's (empty, "." or "..", a path
// separator or another character folder names cannot hold, a character
// Windows-1250 lacks, too long); nothing is made then. Returns an empty text
// when the pupil exists afterwards: newly made, or already there under that
// name in any letter case; pupil then receives the pupil's name
// (Windows-1250) when given. Throws FileError when the folder cannot be made.
// Why the name (UTF-8) cannot be a pupil's folder, briefly and in Polish;
// an empty text when it can. Every name that becomes a folder is checked so.
std::string PupilNameProblem(const std::string& name);

std::string AddNewPupil(const PupilsFolder& pupils, const std::string& typedName,
                        std::string* pupil = nullptr);
