// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/LessonCheck.h"
#include "exercise/KeyboardReach.h"
#include "keyboard/Chord.h"
#include "lessons/LessonListing.h"
#include "platform/ProgramContext.h"

#include "ProgramFolderTest.h"
#include "lessons/LessonFile.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

// A program folder whose Data/Lessons holds lessons with one fault each.
class LessonCheckTest : public ProgramFolderTest {
protected:
    void AddLesson(const std::string& name, const std::string& text) {
        WriteFile(m_program / ("Data/Lessons/" + name + ".ini"), text);
    }

    std::string ProblemsOf(const std::string& name) {
        std::string all;
        for (const std::string& problem :
             CheckLesson(m_program / ("Data/Lessons/" + name + ".ini"), m_program.Path()).problems)
            all += problem + "\n";
        return all;
    }
};

} // namespace

TEST_F(LessonCheckTest, EachFaultATeacherMustMendIsNamed) {
    WriteFile(m_program / "help/palce.htm", "");
    WriteFile(m_program / "Data/Lessons/teksty/ala.txt", "Ala ma kota.\n");
    AddLesson("dobra", "[Special]\r\nImportText=teksty/ala.txt\r\nrun=help/palce.htm\r\n"
                       "[LESSON]\r\nline=asdf\r\n[RANDOM_LESSON]\r\ndrill=asdf|3|2| \r\n");
    AddLesson("losowa", "[RANDOM_LESSON]\r\ndrill=asdf|3|2| \r\ndrill=asdf|3|2\r\n");
    AddLesson("import", "[Special]\r\nImportText=teksty/brak.txt\r\n[LESSON]\r\nline=a\r\n");
    AddLesson("poza", "[Special]\r\nImportText=../../ala.txt\r\n[LESSON]\r\nline=a\r\n");
    AddLesson("dokument", "[Special]\r\nrun=help/brak.htm\r\n[LESSON]\r\nline=a\r\n");
    AddLesson("dluga", "[LESSON]\r\nline=" + std::string(3000, 'a') + "\r\n");
    AddLesson("binarna", std::string("[LESSON]\r\nline=a\0b\x81\r\n", 20));
    AddLesson("pusta", "[General]\r\ndescription=Nic tu nie ma\r\n");
    AddLesson("utf8", "[LESSON]\r\nline=zażółć gęślą jaźń\r\n");

    EXPECT_EQ(ProblemsOf("dobra"), "");
    EXPECT_EQ(ProblemsOf("utf8"), "");
    EXPECT_EQ(ProblemsOf("losowa"), "[RANDOM_LESSON] asdf|3|2: błędny opis ćwiczenia losowego "
                                    "(znaki|długość grupy|liczba grup|odstęp) albo zbyt długie "
                                    "ćwiczenie\n");
    EXPECT_EQ(ProblemsOf("import"), "ImportText=teksty/brak.txt: nie ma pliku " +
                                        m_program / "Data/Lessons/teksty/brak.txt\n");
    EXPECT_EQ(ProblemsOf("poza"),
              "ImportText=../../ala.txt: ścieżka wychodzi poza folder lekcji\n");
    EXPECT_EQ(ProblemsOf("dokument"),
              "run=help/brak.htm: nie ma pliku " + m_program / "help/brak.htm\n");
    EXPECT_EQ(ProblemsOf("dluga"), "[LESSON] line: wartość ma 3000 znaków, program czyta 2046\n");
    EXPECT_EQ(ProblemsOf("binarna"), "plik nie jest tekstem w kodowaniu Windows-1250 ani UTF-8\n");
    EXPECT_EQ(ProblemsOf("pusta"), "lekcja nie ma żadnej linii do przepisania\n");

    std::filesystem::create_directories(m_program / "Data/Lessons/folder.ini");
    EXPECT_NE(ProblemsOf("folder"), "");
}

TEST(LessonCheck, TheShippedCourseIsSound) {
    const CProgramContext shipped(std::string(TASTRUM_SOURCE_DIR) + "/../data");
    const std::vector<ListedLesson> lessons = ListLessonFiles(LessonFolders(shipped.Folders()));
    EXPECT_GT(lessons.size(), 10u);
    for (const ListedLesson& lesson : lessons) {
        const LessonCheck check =
            CheckLesson(lesson.path, shipped.ProgramFolder(), ReachOnKeyboard);
        EXPECT_EQ(check.problems, std::vector<std::string>{}) << lesson.path;
        EXPECT_EQ(check.warnings, std::vector<std::string>{}) << lesson.path;
    }
}

TEST_F(LessonCheckTest, OwnLessonsReplaceShippedOnesOfTheSameName) {
    AddLesson("01 Start", "");
    AddLesson("02 Dalej", "");
    AddLesson("a", "");
    AddLesson("A", "");
    WriteFile(m_program / "own/01 START.ini", "");
    WriteFile(m_program / "own/03 Moja.ini", "");
    std::map<std::string, std::string> listed;
    for (const ListedLesson& lesson :
         ListLessonFiles({m_program / "Data/Lessons", m_program / "own"}))
        listed[Cp1250ToUtf8(lesson.title)] = lesson.path;
    EXPECT_EQ(listed, (std::map<std::string, std::string>{
                          {"01 START", m_program / "own/01 START.ini"},
                          {"02 Dalej", m_program / "Data/Lessons/02 Dalej.ini"},
                          {"03 Moja", m_program / "own/03 Moja.ini"},
                          {"A", m_program / "Data/Lessons/A.ini"},
                          {"a", m_program / "Data/Lessons/a.ini"},
                      }));
}

TEST_F(LessonCheckTest, TheSchoolsLessonsComeBetweenTheShippedAndTheUsersOwn) {
    ProgramFolders folders = m_context.Folders();
    folders.schoolLessons = m_program / "school";
    folders.ownLessons = m_program / "own";
    const CProgramContext school(folders);
    AddLesson("01 Start", "");
    AddLesson("02 Dalej", "");
    WriteFile(m_program / "school/01 start.ini", "");
    WriteFile(m_program / "school/02 Dalej.ini", "");
    WriteFile(m_program / "own/02 dalej.ini", "");
    std::map<std::string, std::string> listed;
    for (const ListedLesson& lesson : ListLessonFiles(LessonFolders(school.Folders())))
        listed[lesson.title] = lesson.path;
    EXPECT_EQ(listed, (std::map<std::string, std::string>{
                          {"01 start", m_program / "school/01 start.ini"},
                          {"02 dalej", m_program / "own/02 dalej.ini"},
                      }));
}

TEST_F(LessonCheckTest, ALessonTooBigToReadIsReportedNotRead) {
    AddLesson("duza", "");
    std::filesystem::resize_file(m_program / "Data/Lessons/duza.ini", kMaxTextFileBytes + 1);
    EXPECT_NE(ProblemsOf("duza").find("za duży"), std::string::npos) << ProblemsOf("duza");
}

// A lesson may hold characters the keyboard the check is given cannot type
// (here a small one of letters and digits, where | takes a chord no lesson
// teaches; on the real one a non-breaking space pasted from a word
// processor, and „ ” – … typed with AltGr); the check names each character
// once, with how often it comes and where first, in the lesson file and in
// its import text.
TEST_F(LessonCheckTest, CharactersNoLessonTeachesAreListedOnceWithTheirFirstPlace) {
    const auto reach = [](char ch) {
        if (ch == '|')
            return CharacterReach::UntaughtChord;
        const bool key = ch == ' ' || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
        return key ? CharacterReach::Taught : CharacterReach::NoKey;
    };
    WriteFile(m_program / "Data/Lessons/wklejony.txt", "abc\r\nde\xA0"
                                                       "f|\r\n");
    AddLesson("wklejona", "[Special]\r\nImportText=wklejony.txt\r\n[LESSON]\r\n"
                          "line=ala \x84kot\x94 \x84pies\x94\r\n"
                          "  line = \"b\x85\"\r\n[RANDOM_LESSON]\r\ndrill=a\x96|3|2|\r\n");
    const LessonCheck check =
        CheckLesson(m_program / "Data/Lessons/wklejona.ini", m_program.Path(), reach);
    EXPECT_EQ(check.problems,
              (std::vector<std::string>{
                  "linia 4, kolumna 10: znak „„” (U+201E) nie do napisania na polskiej "
                  "klawiaturze (2 razy)",
                  "linia 4, kolumna 14: znak „”” (U+201D) nie do napisania na polskiej "
                  "klawiaturze (2 razy)",
                  "linia 5, kolumna 12: znak „…” (U+2026) nie do napisania na polskiej "
                  "klawiaturze",
                  "linia 7, kolumna 8: znak „–” (U+2013) nie do napisania na polskiej "
                  "klawiaturze",
                  "wklejony.txt, linia 2, kolumna 3: znak „twarda spacja” (U+00A0) "
                  "nie do napisania na polskiej klawiaturze",
              }));
    EXPECT_EQ(check.warnings,
              (std::vector<std::string>{"linia 7, kolumna 9: znak „|” (U+007C) pisze się z "
                                        "prawym Altem, a żadna lekcja tego nie uczy (4 razy)"}));
    EXPECT_EQ(CheckLesson(m_program / "Data/Lessons/wklejona.ini", m_program.Path()).problems,
              std::vector<std::string>{})
        << "without a keyboard nothing is judged";
}

// The course is a teacher's model: shipped as UTF-8, it shows right in any
// Linux editor, and the program reads it as it read the Windows-1250 files.
TEST(LessonCheck, TheShippedCourseIsUtf8ThatEveryEditorShows) {
    const std::string folder = std::string(TASTRUM_SOURCE_DIR) + "/../data/Data/Lessons";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_TRUE(LooksLikeUtf8(ReadFile(entry.path().string()))) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 16);
    StringList lines;
    LessonFile(folder + "/09 Polskie litery - \xC4\x85 \xC4\x99 \xC3\xB3 \xC5\x82.ini")
        .ReadSectionValues("LESSON", lines);
    ASSERT_FALSE(lines.empty());
    // "aąa eęe oóo lłl …" in Windows-1250, as the lesson run reads it.
    EXPECT_EQ(lines.front(), "a\xB9"
                             "a e\xEA"
                             "e o\xF3"
                             "o l\xB3"
                             "l a\xB9"
                             "a e\xEA"
                             "e o\xF3"
                             "o l\xB3"
                             "l");
}
