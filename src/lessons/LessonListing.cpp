// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/LessonListing.h"

#include "platform/Cp1250.h"
#include "platform/FolderScan.h"
#include "platform/Paths.h"

#include <algorithm>

namespace {

std::vector<ListedLesson> LessonFilesIn(const std::string& folder) {
    std::vector<ListedLesson> lessons;
    CFolderScan scan;
    scan.Open(folder);
    while (scan.Next())
        if (EqualsIgnoringCase(GetExtensionOfPath(scan.GetFilePath()), "ini"))
            lessons.push_back({Utf8ToCp1250(scan.GetFileTitle()), scan.GetFilePath()});
    return lessons;
}

} // namespace

std::vector<ListedLesson> ListLessonFiles(const std::vector<std::string>& folders) {
    std::vector<ListedLesson> lessons;
    for (const std::string& folder : folders) {
        std::vector<ListedLesson> found = LessonFilesIn(folder);
        std::erase_if(lessons, [&found](const ListedLesson& earlier) {
            return std::any_of(found.begin(), found.end(), [&earlier](const ListedLesson& lesson) {
                return EqualsIgnoringCase(lesson.title, earlier.title);
            });
        });
        lessons.insert(lessons.end(), found.begin(), found.end());
    }
    return lessons;
}

std::vector<std::string> LessonFolders(const ProgramFolders& program) {
    std::vector<std::string> folders{program.lessons};
    for (const std::string& folder : {program.schoolLessons, program.ownLessons})
        if (!folder.empty())
            folders.push_back(folder);
    return folders;
}
