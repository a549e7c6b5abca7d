// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/TestText.h"

#include "exercise/KeyboardReach.h"
#include "lessons/LessonLines.h"
#include "platform/BinaryFile.h"
#include "platform/QtText.h"
#include "platform/SortedList.h"

#include <algorithm>

#include <filesystem>
#include <random>

namespace {

// A lesson file of the lines, in a folder of its own that goes with it.
class TemporaryLesson {
public:
    explicit TemporaryLesson(const std::vector<std::string>& lines) {
        std::random_device random;
        m_folder = std::filesystem::temp_directory_path() /
                   ("tastrum-sprawdzian-" + std::to_string(random()));
        std::filesystem::create_directories(m_folder);
        std::string bytes = "[LESSON]\r\n";
        for (const std::string& line : lines)
            bytes += "line=" + line + "\r\n";
        WriteUserFile(Path(), bytes);
    }
    ~TemporaryLesson() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    TemporaryLesson(const TemporaryLesson&) = delete;
    TemporaryLesson& operator=(const TemporaryLesson&) = delete;

    std::string Path() const { return (m_folder / "sprawdzian.ini").string(); }

private:
    std::filesystem::path m_folder;
};

} // namespace

TestTextSources TestTextSourcesOf(const ProgramFolders& folders) {
    TestTextSources sources{ListLessonFiles(LessonFolders(folders)), folders.program};
    std::stable_sort(sources.lessons.begin(), sources.lessons.end(),
                     [](const ListedLesson& a, const ListedLesson& b) {
                         return PolishLess(ToQString(a.title), ToQString(b.title));
                     });
    return sources;
}

std::vector<std::string> LessonTextLines(const ListedLesson& lesson) {
    RandomEngine engine{std::random_device{}()};
    return BuildLessonLines(LessonFile(lesson.path), lesson.title, engine);
}

LessonCheck CheckTestText(const std::vector<std::string>& lines, const std::string& programFolder) {
    const TemporaryLesson lesson(lines);
    return CheckLesson(lesson.Path(), programFolder, ReachOnKeyboard);
}
