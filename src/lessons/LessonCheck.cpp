// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <map>
#include <cstdio>
#include <optional>

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

void CheckNamedFiles(const LessonFile& lesson, const std::string& programFolder,
                     std::vector<std::string>& problems) {
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
    check("run", CompanionDocumentPath(lesson, programFolder), "folder programu");
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

// Where a character first came, as the teacher numbers lines and columns
// in an editor, and how often it came.
struct CharacterFound {
    std::string where; // "" for the lesson file, "tekst.txt, " for its import text
    int line = 0, column = 0;
    int count = 0;
    size_t order = 0; // of the characters found, the how manieth
};
using CharactersFound = std::map<char, CharacterFound>;

// The characters in the order they first came.
std::vector<std::pair<char, CharacterFound>> InOrderFound(const CharactersFound& found) {
    std::vector<std::pair<char, CharacterFound>> ordered(found.begin(), found.end());
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.second.order < b.second.order; });
    return ordered;
}

void FindUnreached(std::string_view text, const std::string& where, int line, int firstColumn,
                   const CharacterReachOf& reach, CharactersFound& untaught,
                   CharactersFound& noKey) {
    for (size_t i = 0; i < text.size(); ++i) {
        const CharacterReach found = reach(text[i]);
        if (found == CharacterReach::Taught)
            continue;
        CharacterFound& character =
            (found == CharacterReach::NoKey ? noKey : untaught)[text[i]];
        if (character.count++ == 0)
            character = {where, line, firstColumn + static_cast<int>(i), 1,
                         untaught.size() + noKey.size()};
    }
}

std::string CharacterLine(char ch, const CharacterFound& found, const std::string& what) {
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, "U+%04X",
                  static_cast<unsigned>(UnicodeFromCp1250(static_cast<unsigned char>(ch))));
    const std::string shown =
        ch == '\xA0' ? std::string("twarda spacja") : Utf8(std::string(1, ch));
    return found.where + "linia " + std::to_string(found.line) + ", kolumna " +
           std::to_string(found.column) + ": znak „" + shown + "” (" + codePoint + ") " + what +
           (found.count > 1 ? " (" + std::to_string(found.count) + " razy)" : "");
}

// The lines and drills of the lesson file, and the lines of its import
// text, as the teacher numbers them in an editor.
void CheckReach(const std::string& lessonText, const LessonFile& lesson,
                const CharacterReachOf& reach, LessonCheck& check) {
    CharactersFound untaught, noKey;
    for (const char* section : {"LESSON", "RANDOM_LESSON"})
        for (const ProfileEntry& entry : ReadProfileSection(lessonText, section))
            FindUnreached(entry.value, "", entry.line, entry.column, reach, untaught, noKey);
    const std::string importPath = ImportTextPath(lesson);
    const std::optional<std::string> imported =
        importPath.empty() ? std::nullopt : ReadTextFile(importPath);
    if (imported) {
        const std::string where = Utf8(lesson.ReadString("Special", "ImportText", "")) + ", ";
        int line = 1;
        for (size_t start = 0; start < imported->size(); ++line) {
            const size_t end = std::min(imported->find_first_of("\r\n", start), imported->size());
            FindUnreached(std::string_view(*imported).substr(start, end - start), where, line, 1,
                          reach, untaught, noKey);
            start = end + (imported->compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
    }
    for (const auto& [ch, found] : InOrderFound(noKey))
        check.problems.push_back(
            CharacterLine(ch, found, "nie do napisania na polskiej klawiaturze"));
    for (const auto& [ch, found] : InOrderFound(untaught))
        check.warnings.push_back(CharacterLine(
            ch, found, "pisze się z prawym Altem, a żadna lekcja tego nie uczy"));
}

} // namespace

LessonCheck CheckLesson(const std::string& path, const std::string& programFolder,
                        const CharacterReachOf& reach) {
    LessonCheck check;
    std::vector<std::string>& problems = check.problems;
    try {
        const std::string bytes = ReadBinaryFile(path, kMaxTextFileBytes);
        if (!IsLessonText(bytes)) {
            problems.push_back("plik nie jest tekstem w kodowaniu Windows-1250 ani UTF-8");
            return check;
        }
        const std::string text = ReadTextFile(path).value_or("");
        CheckValueLengths(text, problems);
        const LessonFile lesson(path);
        CheckNamedFiles(lesson, programFolder, problems);
        CheckLines(lesson, Utf8ToCp1250(GetFileTitleOfPath(path)), problems);
        if (reach)
            CheckReach(text, lesson, reach, check);
    } catch (const FileError& error) {
        problems.push_back(error.Path() + ": " + error.Problem());
    }
    return check;
}
