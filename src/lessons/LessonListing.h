// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <string>
#include <vector>

// One lesson file found in a lessons folder.
struct ListedLesson {
    std::string title; // the file name without its extension, Windows-1250
    std::string path;  // the system's encoding
};

// The lesson files (extension "ini" in any letter case, folders so named
// too) directly in each folder, without descending; a lesson in a later
// folder replaces one of the same title, letter case aside, from an earlier
// folder. Missing folders list nothing.
std::vector<ListedLesson> ListLessonFiles(const std::vector<std::string>& folders);

// The folders the lesson list shows: the shipped lessons, then the school's
// shared ones, then the user's own; each replaces lessons of the same name
// from the folders before it.
std::vector<std::string> LessonFolders(const ProgramFolders& folders);
