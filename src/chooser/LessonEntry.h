// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// One lesson of the chooser: its name (the file name without extension, in
// Windows-1250) and the path of its file (system encoding).
struct LessonEntry {
    std::string title;
    std::string path;
};
