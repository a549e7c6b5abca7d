// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lessons/LessonFile.h"

#include <string>

// The files a lesson names: empty when it names none, or when the path it
// writes would lead outside the folder it is taken from.

// The import text ("ImportText"), below the folder of the lesson file.
std::string ImportTextPath(const LessonFile& lesson);

// The document opened beside the exercise ("run"), below the program folder.
std::string CompanionDocumentPath(const LessonFile& lesson, const std::string& programFolder);
