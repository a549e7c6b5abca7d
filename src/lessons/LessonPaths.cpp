#include "lessons/LessonPaths.h"

#include "platform/Paths.h"

#include <filesystem>

std::string ImportTextPath(const LessonFile& lesson) {
    const std::string folder = std::filesystem::path(lesson.Path()).parent_path().string();
    return JoinLessonPath(folder.empty() ? GetLessonsFolder() : folder,
                          lesson.ReadString("Special", "ImportText", ""));
}

std::string CompanionDocumentPath(const LessonFile& lesson) {
    return JoinLessonPath(GetProgramFolder(), lesson.ReadString("Special", "run", ""));
}
