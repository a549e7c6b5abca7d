// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lessons/LessonFile.h"
#include "lessons/RandomText.h"
#include "platform/StringList.h"

#include <string>

// All the drill lines of one lesson together never take more than this many
// characters: far more than any pupil types, little enough for any
// computer to hold.
constexpr long long kMaxDrillTextOfLesson = 2'000'000;

// The lines of a lesson before wrapping, in order: the lines of its import
// text, its "LESSON" values, then one drill line for each "RANDOM_LESSON"
// value. A drill value that is not a usable drill, or that would take the
// drills past kMaxDrillTextOfLesson, gives the line
// "error in ini (lesson) file : " + lessonName instead. An import path that
// leads outside the lesson's folder imports nothing, like a missing file.
// lessonName is Windows-1250. Throws FileError when the lesson file or its
// import text exists but cannot be read.
StringList BuildLessonLines(const LessonFile& lesson, const std::string& lessonName,
                            RandomEngine& engine);
