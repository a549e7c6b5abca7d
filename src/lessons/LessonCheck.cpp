#include "lessons/LessonCheck.h"

#include "lessons/LessonFile.h"
#include "lessons/LessonLines.h"
#include "lessons/LessonPaths.h"
#include "lessons/TextFileReader.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/FolderScan.h"

#include <algorithm>

namespace {

const std::vector<std::string> kSections{"General", "Special", "LESSON", "RANDOM_LESSON"};

std::string Utf8(const std::string& cp1250) {
    return Cp1250ToUtf8(cp1250);
}

bool IsTextByte(char byte) {
    return byte == '\t' || byte == '\r' || byte == '\n' ||
           !IsControlCharacter(UnicodeFromCp1250(static_cast<unsigned char>(byte)));
}

bool IsLessonText(const std::string& bytes) {
    return LooksLikeUtf8(bytes) || std::all_of(bytes.begin(), bytes.end(), IsTextByte);
}

void CheckValueLengths(const std::string& text, std::vector<std::string>& problems) {
    for (const std::string& section : kSections)
        for (const ProfileEntry& entry : ReadProfileSection(text, section))
            if (entry.value.size() > LessonFile::kMaxValueLength)
                problems.push_back("[" + section + "] " + Utf8(entry.key) + ": wartość ma " +
                                   std::to_string(entry.value.size()) + " znaków, program czyta " +
                                   std::to_string(LessonFile::kMaxValueLength));
}

void CheckNamedFiles(const LessonFile& lesson, std::vector<std::string>& problems) {
    const auto check = [&](const char* key, const std::string& path, const char* where) {
        const std::string value = lesson.ReadString("Special", key, "");
        if (value.empty())
            return;
        if (path.empty())
            problems.push_back(std::string(key) + "=" + Utf8(value) + ": ścieżka wychodzi poza " +
                               where);
        else if (!FileExists(path))
            problems.push_back(std::string(key) + "=" + Utf8(value) + ": nie ma pliku " + path);
    };
    check("ImportText", ImportTextPath(lesson), "folder lekcji");
    check("run", CompanionDocumentPath(lesson), "folder programu");
}

// A drill that is not usable shows the error line in its place, the drills'
// lines coming last.
void CheckLines(const LessonFile& lesson, const std::string& lessonName,
                std::vector<std::string>& problems) {
    RandomEngine engine;
    const StringList lines = BuildLessonLines(lesson, lessonName, engine);
    StringList drills;
    lesson.ReadSectionValues("RANDOM_LESSON", drills);
    const std::string errorLine = "error in ini (lesson) file : " + lessonName;
    for (size_t drill = 0; drill < drills.size(); ++drill)
        if (lines[lines.size() - drills.size() + drill] == errorLine)
            problems.push_back("[RANDOM_LESSON] " + Utf8(drills[drill]) +
                               ": błędny opis ćwiczenia losowego (znaki|długość grupy|liczba "
                               "grup|odstęp) albo zbyt długie ćwiczenie");
    if (lines.empty())
        problems.push_back("lekcja nie ma żadnej linii do przepisania");
}

} // namespace

std::vector<std::string> LessonProblems(const std::string& path) {
    std::vector<std::string> problems;
    try {
        const std::string bytes = ReadBinaryFile(path, kMaxTextFileBytes);
        if (!IsLessonText(bytes)) {
            problems.push_back("plik nie jest tekstem w kodowaniu Windows-1250 ani UTF-8");
            return problems;
        }
        CheckValueLengths(ReadTextFile(path).value_or(""), problems);
        const LessonFile lesson(path);
        CheckNamedFiles(lesson, problems);
        CheckLines(lesson, Utf8ToCp1250(GetFileTitleOfPath(path)), problems);
    } catch (const FileError& error) {
        problems.push_back(error.Path() + ": " + error.Problem());
    }
    return problems;
}
