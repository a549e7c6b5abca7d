// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/PupilFilesStamp.h"
#include "teacher/PupilSummary.h"

#include <cstddef>
#include <map>
#include <string>

// The summaries of a class kept between program runs, so that a teacher's
// first look at the class after a fresh login reads only the pupils' files
// that changed since. A summary holds only while its pupil's files keep the
// stamp they had when it was made.
struct CachedPupil {
    PupilFilesStamp stamp;
    PupilSummary summary;
};
// By pupil (Windows-1250).
using CachedClass = std::map<std::string, CachedPupil>;

// The file never grows past this; pupils beyond it are not kept.
constexpr size_t kMaxClassCacheBytes = size_t{16} << 20;

// One file per pupils folder in the user's cache folder, named from a hash
// of the pupils folder's path; empty when the user has no cache folder.
std::string ClassCachePath(const PupilsFolder& pupils);

// What the file keeps for this pupils folder. A file that is missing,
// damaged, cut short, of another version or program, or of another pupils
// folder gives nothing, and is replaced at the next save.
CachedClass LoadClassCache(const std::string& path, const PupilsFolder& folder);

// Replaces the file with the class, as the program's other files are
// replaced. A file that cannot be written is no error: the pupils' files
// are read again instead.
void SaveClassCache(const std::string& path, const PupilsFolder& folder, const CachedClass& pupils);
