// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lessons/LessonCheck.h"
#include "lessons/LessonListing.h"

#include <string>
#include <vector>

// Where the text of a new test may come from: the lessons of the lesson
// list, and the program folder their documents are looked for below.
struct TestTextSources {
    std::vector<ListedLesson> lessons;
    std::string programFolder;
};

// The lessons of the lesson list, in its order, and the program folder.
TestTextSources TestTextSourcesOf(const ProgramFolders& folders);

// The lines of the lesson as a pupil gets them (Windows-1250): a drill's
// lines as they come out the first time. Throws FileError.
std::vector<std::string> LessonTextLines(const ListedLesson& lesson);

// Checks a test's text (Windows-1250 lines) as a lesson's is checked, with
// what the keyboard reaches: characters no key types are problems, ones
// that take a chord no lesson teaches warnings.
LessonCheck CheckTestText(const std::vector<std::string>& lines, const std::string& programFolder);
