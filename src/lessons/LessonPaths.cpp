// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/LessonPaths.h"

#include "platform/Paths.h"

#include <filesystem>

std::string ImportTextPath(const LessonFile& lesson) {
    // A lesson named without a folder lies in the working folder.
    const std::string folder = std::filesystem::path(lesson.Path()).parent_path().string();
    return JoinLessonPath(folder.empty() ? std::string(".") : folder,
                          lesson.ReadString("Special", "ImportText", ""));
}

std::string CompanionDocumentPath(const LessonFile& lesson, const std::string& programFolder) {
    return JoinLessonPath(programFolder, lesson.ReadString("Special", "run", ""));
}
