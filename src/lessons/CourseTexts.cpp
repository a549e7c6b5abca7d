#include "lessons/CourseTexts.h"

#include "lessons/ImportText.h"
#include "lessons/LessonFile.h"
#include "lessons/LessonPaths.h"
#include "platform/FileError.h"

StringList CourseTexts(const std::vector<ListedLesson>& lessons) {
    StringList lines;
    for (const ListedLesson& listed : lessons) {
        try {
            const LessonFile lesson(listed.path);
            lesson.ReadSectionValues("LESSON", lines);
            if (const std::string import = ImportTextPath(lesson); !import.empty())
                LoadImportText(import, lines);
        } catch (const FileError&) {
            // The lesson list and the check report such a lesson.
        }
    }
    return lines;
}
