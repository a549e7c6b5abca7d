// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/LessonLines.h"

#include "lessons/ImportText.h"
#include "lessons/LessonPaths.h"
#include "lessons/RandomLessonSpec.h"
#include "platform/FolderScan.h"
#include "platform/Paths.h"

namespace {

void AppendImportedLines(const LessonFile& lesson, StringList& lines) {
    const std::string path = ImportTextPath(lesson);
    if (FileExists(path))
        LoadImportText(path, lines);
}

// The drill line, or the error line for a drill that is not usable or
// would take the lesson's drills past kMaxDrillTextOfLesson; budget is what
// the lesson's drills may still take.
std::string DrillLine(const std::string& value, const std::string& lessonName, RandomEngine& engine,
                      long long& budget) {
    const auto spec = ParseRandomLessonSpec(value);
    if (!spec || DrillLineLength(*spec) > budget)
        return "error in ini (lesson) file : " + lessonName;
    budget -= DrillLineLength(*spec);
    return GenerateRandomText(spec->characters, spec->groupLength, spec->groupCount,
                              spec->separator, engine);
}

} // namespace

StringList BuildLessonLines(const LessonFile& lesson, const std::string& lessonName,
                            RandomEngine& engine) {
    StringList lines;
    AppendImportedLines(lesson, lines);
    lesson.ReadSectionValues("LESSON", lines);
    StringList drills;
    lesson.ReadSectionValues("RANDOM_LESSON", drills);
    long long budget = kMaxDrillTextOfLesson;
    for (const std::string& drill : drills)
        lines.push_back(DrillLine(drill, lessonName, engine, budget));
    return lines;
}
