#include "lessons/LessonLines.h"

#include "app/Paths.h"
#include "lessons/FolderScan.h"
#include "lessons/ImportText.h"
#include "lessons/RandomLessonSpec.h"

namespace {

void AppendImportedLines(const LessonFile& lesson, StringList& lines) {
    const std::string path =
        JoinLessonPath(GetLessonsFolder(), lesson.ReadString("Special", "ImportText", ""));
    if (FileExists(path))
        LoadImportText(path, lines);
}

std::string DrillLine(const std::string& value, const std::string& lessonName,
                      RandomEngine& engine) {
    const auto spec = ParseRandomLessonSpec(value);
    if (!spec)
        return "error in ini (lesson) file : " + lessonName;
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
    for (const std::string& drill : drills)
        lines.push_back(DrillLine(drill, lessonName, engine));
    return lines;
}
