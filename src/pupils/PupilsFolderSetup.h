// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Prepares a folder on a school's share as the pupils folder of a class, for
// the administrator (tastrum --init-pupils-folder): makes it when missing
// (its parent must be there, so an unmounted share is not papered over),
// gives it and all it already holds to the group when one is named, makes
// it writable for its group with setgid, so that every account of the group
// can store runs there whatever its umask, and puts the mark in it. Throws
// FileError naming what could not be done.
void InitPupilsFolder(const std::string& folder, const std::string& group);

// Prepares a folder on a school's share for the lessons the school shares
// (tastrum --init-lessons-folder): made when missing, given with all it
// holds to the group (the teachers), who write it, with setgid, and readable
// for every other account (the pupils). Throws FileError as above.
void InitLessonsFolder(const std::string& folder, const std::string& group);
