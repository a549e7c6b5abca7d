// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/TypingApp.h"

#include "ModalWindow.h"
#include "TempFolder.h"
#include "chooser/LessonDlg.h"
#include "classtests/ClassTestFile.h"
#include "classtests/TestResult.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/ProgramContext.h"
#include "platform/Settings.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/PupilDlg.h"
#include "pupils/PupilStats.h"
#include "pupils/PupilsFolderSetup.h"
#include "pupils/StoreRun.h"

#include <QMessageBox>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

StatRecord RunOf(const std::string& lesson) {
    StatRecord run;
    run.lesson = lesson;
    run.charsPerMinute = 120;
    run.date = COleDateTime::FromDateTime(2026, 12, 7, 9, 0);
    return run;
}

// Stores runs for Ala from a process of its own, which exits with 0 when all
// were stored.
pid_t StoreRunsInAnotherProcess(const PupilsFolder& pupils, int first, int count) {
    const pid_t child = fork();
    if (child == 0) {
        int status = 0;
        try {
            for (int i = first; i < first + count; ++i)
                StoreRun(pupils, "Ala", RunOf("Lekcja " + std::to_string(i)), {{'a', 1}});
        } catch (...) {
            status = 1;
        }
        _exit(status);
    }
    return child;
}

} // namespace

TEST(SchoolPupilsFolder, TwoComputersStoringIntoTheSharedFolderLoseNothing) {
    TempFolder program, share;
    setenv("TASTRUM_PUPILS", share.Path().c_str(), 1);
    CProgramContext context(FindProgramFolders(program.Path(), SchoolPupilsFolder()));
    unsetenv("TASTRUM_PUPILS");
    std::ostringstream out, errors;
    ASSERT_EQ(RunCommandLine(context, {"--init-pupils-folder", share.Path()}, out, errors), 0)
        << errors.str();

    constexpr int kRunsEach = 30;
    const PupilsFolder& pupils = context.Folders().pupils;
    const pid_t children[] = {StoreRunsInAnotherProcess(pupils, 0, kRunsEach),
                              StoreRunsInAnotherProcess(pupils, kRunsEach, kRunsEach)};
    for (const pid_t child : children) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    CPupilStats stats;
    stats.Load(share / "Ala/stat.dat");
    EXPECT_EQ(stats.size(), 2u * kRunsEach);
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'a', 2 * kRunsEach}}));
    EXPECT_FALSE(std::filesystem::exists(program / "Data"));
}

TEST(SchoolPupilsFolder, TheConfigurationFileNamesTheFolderUnlessTheEnvironmentDoes) {
    const std::string file = ProgramSettings()->fileName().toStdString();
    WriteFile(file, "PupilsFolder=/srv/klasa 4b\nLessonsFolder=/srv/lekcje\n");
    EXPECT_EQ(SchoolPupilsFolder(), "/srv/klasa 4b");
    EXPECT_EQ(SchoolLessonsFolder(), "/srv/lekcje");
    setenv("TASTRUM_PUPILS", "/mnt/uczniowie", 1);
    setenv("TASTRUM_LESSONS", "/mnt/lekcje", 1);
    EXPECT_EQ(SchoolPupilsFolder(), "/mnt/uczniowie");
    EXPECT_EQ(SchoolLessonsFolder(), "/mnt/lekcje");
    unsetenv("TASTRUM_PUPILS");
    unsetenv("TASTRUM_LESSONS");
    std::filesystem::remove(file);
    EXPECT_EQ(SchoolPupilsFolder(), "");
    EXPECT_EQ(SchoolLessonsFolder(), "");
}

TEST(SchoolPupilsFolder, AShareThatIsNotThereIsToldAndNothingIsWrittenElsewhere) {
    TempFolder program, server;
    const std::string share = server / "klasa";
    ProgramFolders folders = FindProgramFolders(program.Path(), share);
    folders.ownLessons = program / "own/Lessons";
    CProgramContext context(folders);
    QString told;
    OnNextModal<QMessageBox>([&told](QMessageBox& box) {
        told = box.text();
        box.accept();
        OnNextModal<CPupilDlg>([](CPupilDlg& pupils) {
            pupils.reject();
            OnNextModal<CLessonDlg>([](CLessonDlg& chooser) { chooser.reject(); });
        });
    });
    CTypingApp(context).Run();
    EXPECT_TRUE(told.contains(QString::fromStdString(share))) << told.toStdString();
    EXPECT_TRUE(std::filesystem::is_directory(program / "own/Lessons"))
        << "a teacher finds where own lessons go";

    EXPECT_THROW(StoreRun(context.Folders().pupils, "Ala", RunOf("Lekcja 1"), {}), FileError);
    EXPECT_FALSE(std::filesystem::exists(share));
    EXPECT_FALSE(std::filesystem::exists(program / "Data"));

    // The teacher's export says so too, and writes nothing.
    std::ostringstream out, errors;
    const std::string csv = program / "wyniki.csv";
    EXPECT_EQ(RunCommandLine(context, {"--export-csv", csv}, out, errors), 1);
    EXPECT_NE(errors.str().find(share), std::string::npos) << errors.str();
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST(SchoolPupilsFolder, TheExportNamesPupilsWhoseRunsCannotBeShownAndFailsForThem) {
    TempFolder program, share;
    CProgramContext context(FindProgramFolders(program.Path(), share.Path()));
    std::ostringstream out, errors;
    ASSERT_EQ(RunCommandLine(context, {"--init-pupils-folder", share.Path()}, out, errors), 0);
    StoreRun(context.Folders().pupils, "Ala", RunOf("Lekcja 1"), {});
    std::filesystem::create_directory(share / "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD");
    const std::string csv = program / "wyniki.csv";
    EXPECT_EQ(RunCommandLine(context, {"--export-csv", csv}, out, errors), 1);
    EXPECT_NE(errors.str().find("nazwa folderu"), std::string::npos) << errors.str();
    EXPECT_NE(ReadFile(csv).find("\r\nAla;Lekcja 1;"), std::string::npos);
}

TEST(CommandLine, TestsAreListedAndTheirMarkingTableExported) {
    TempFolder program, share;
    CProgramContext context(FindProgramFolders(program.Path(), share.Path()));
    const PupilsFolder& pupils = context.Folders().pupils;
    std::ostringstream out, errors;
    ASSERT_EQ(RunCommandLine(context, {"--init-pupils-folder", share.Path()}, out, errors), 0);
    out.str("");
    EXPECT_EQ(RunCommandLine(context, {"--tests"}, out, errors), 0);
    EXPECT_EQ(out.str(), "Nie ma jeszcze żadnego sprawdzianu.\n");

    ClassTest test;
    test.name = "Dyktando";
    test.lines = {"ala ma kota"};
    test.timeLimitSeconds = 300;
    test.openFrom = std::chrono::sys_days{std::chrono::year{2026} / 12 / 7};
    test.openTo = test.openFrom + std::chrono::days{4};
    test.id = AddClassTest(pupils, test);
    const StatRecord run = RunOf(TestLessonName(test));
    StoreRun(pupils, "Ala", run, {});
    ASSERT_TRUE(SaveTestResult(pupils, test.id, MakeTestResult(test, "Ala", 1, run, 250, false)));
    std::filesystem::create_directory(share / "Bartek");

    out.str("");
    EXPECT_EQ(RunCommandLine(context, {"--tests"}, out, errors), 0) << errors.str();
    EXPECT_EQ(out.str(), "Dyktando: od 2026-12-07 do 2026-12-11, czas: 5 min, napisało: 1\n");
    const std::string csv = program / "sprawdzian.csv";
    EXPECT_EQ(RunCommandLine(context, {"--export-test", "Dyktando", csv}, out, errors), 0)
        << errors.str();
    EXPECT_NE(ReadFile(csv).find("\r\nAla;"), std::string::npos);
    EXPECT_NE(ReadFile(csv).find("\r\nBartek;;;;;0;1;nie pisał(a)\r\n"), std::string::npos);

    const std::string other = program / "inny.csv";
    EXPECT_EQ(RunCommandLine(context, {"--export-test", "Klasówka", other}, out, errors), 1);
    EXPECT_NE(errors.str().find("nie ma sprawdzianu Klasówka"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(other));
    EXPECT_EQ(RunCommandLine(context, {"--export-test", "Dyktando"}, out, errors), 2);
    EXPECT_EQ(RunCommandLine(context, {"--tests", "Dyktando"}, out, errors), 2);

    // What cannot be read is named, and the exit status says so.
    WriteFile(share / "Sprawdziany/dyktando/wyniki/Bartek-1.txt", "zepsuty");
    errors.str("");
    EXPECT_EQ(RunCommandLine(context, {"--export-test", "dyktando", csv}, out, errors), 1);
    EXPECT_NE(errors.str().find("ucznia Bartek"), std::string::npos) << errors.str();
    WriteFile(share / "Sprawdziany/zly/sprawdzian.txt", "zepsuty");
    EXPECT_EQ(RunCommandLine(context, {"--tests"}, out, errors), 1);
    EXPECT_NE(errors.str().find("sprawdzian zly"), std::string::npos) << errors.str();
}

TEST(CommandLine, AnswersOnTheTerminalAndChecksLessons) {
    std::vector<std::string> arguments{"--teacher"};
    EXPECT_TRUE(TakeTeacherOption(arguments));
    EXPECT_TRUE(arguments.empty());
    arguments = {"--export-csv", "x.csv"};
    EXPECT_FALSE(TakeTeacherOption(arguments));
    EXPECT_EQ(arguments.size(), 2u);

    CProgramContext context(ExecutableFolder());
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(context, {}, out, errors), std::nullopt);
    EXPECT_EQ(RunCommandLine(context, {"--version"}, out, errors), 0);
    EXPECT_EQ(out.str(), "Tastrum 1.0\n");
    EXPECT_EQ(RunCommandLine(context, {"--help"}, out, errors), 0);
    EXPECT_NE(out.str().find("--check-lessons [FOLDER]"), std::string::npos);
    EXPECT_EQ(RunCommandLine(context, {"--lekcje"}, out, errors), 2);
    EXPECT_NE(errors.str().find("--lekcje"), std::string::npos);

    TempFolder lessons;
    WriteFile(lessons / "a.ini", "[LESSON]\r\nline=asdf\r\n");
    out.str("");
    EXPECT_EQ(RunCommandLine(context, {"--check-lessons", lessons.Path()}, out, errors), 0);
    EXPECT_EQ(out.str(), lessons / "a.ini: OK\n");
    WriteFile(lessons / "b.ini", "[General]\r\n");
    out.str("");
    EXPECT_EQ(RunCommandLine(context, {"--check-lessons", lessons.Path()}, out, errors), 1);
    EXPECT_NE(out.str().find(lessons / "b.ini:\n  - lekcja nie ma"), std::string::npos);
}

// Typographic characters no lesson teaches are warned of, without failing
// the check; a file's name cannot forge or garble a line of the report.
TEST(CommandLine, CheckLessonsWarnsOfUntaughtSignsAndPrintsNamesSafely) {
    TempFolder program, lessons;
    CProgramContext context(program.Path());
    WriteFile(lessons / "a.ini", "[LESSON]\r\nline=\xE2\x80\x9E"
                                 "Ala\xE2\x80\x9D ma kota\r\n");
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(context, {"--check-lessons", lessons.Path()}, out, errors), 0);
    EXPECT_NE(out.str().find(lessons / "a.ini:\n  - uwaga: linia 2, kolumna 6: znak „„” (U+201E) "
                                       "pisze się z prawym Altem"),
              std::string::npos)
        << out.str();

    std::filesystem::remove(lessons / "a.ini");
    WriteFile(lessons / "b\n x: OK\x1B[2J.ini", "[General]\r\n");
    out.str("");
    EXPECT_EQ(RunCommandLine(context, {"--check-lessons", lessons.Path()}, out, errors), 1);
    EXPECT_NE(out.str().find(lessons / "b\\x0A x: OK\\x1B[2J.ini:\n"), std::string::npos)
        << out.str();
    EXPECT_EQ(out.str().find('\x1B'), std::string::npos);
}

TEST(CommandLine, WeakKeysArePrintedWithAPracticeTextOnlyForAPupilWithHistory) {
    TempFolder program;
    CProgramContext context(program.Path());
    WriteFile(program / "Data/Lessons/01.ini", "[LESSON]\r\nline=\xB3"
                                               "adna \xBF"
                                               "aba i \xB3"
                                               "a\xBF"
                                               "a w \xB3"
                                               "odzi\r\n");
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(context, {"--weak-keys", "Ala"}, out, errors), 1);
    EXPECT_NE(errors.str().find("nie ma ucznia Ala"), std::string::npos) << errors.str();

    std::filesystem::create_directories(program / "Data/Pupils/Ala");
    StoreKeyPresses(context.Folders().pupils, "Ala", {{'a', true, 100}});
    errors.str("");
    EXPECT_EQ(RunCommandLine(context, {"--weak-keys", "Ala"}, out, errors), 1);
    EXPECT_NE(errors.str().find("za mało pomiarów ucznia Ala (1 znaków z 200"), std::string::npos)
        << errors.str();

    std::vector<KeyPress> presses;
    // ż is found slowly even beside the other letters typed with AltGr.
    for (const char key : Utf8ToCp1250("adnbiwozyąęśłż"))
        for (int i = 0; i < 25; ++i)
            presses.push_back({key, !(key == '\xB3' && i < 10),
                               static_cast<int16_t>(key == '\xBF' ? 500
                                                    : key < 0     ? 300
                                                                  : 200)});
    StoreKeyPresses(context.Folders().pupils, "Ala", presses);
    out.str("");
    EXPECT_EQ(RunCommandLine(context, {"--weak-keys", "Ala"}, out, errors), 0) << errors.str();
    EXPECT_TRUE(out.str().starts_with("ł: ")) << out.str();
    EXPECT_NE(out.str().find("\nż: 0% błędów (zwykle "), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("%), 500 ms na znak (wolno)\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\n\n"), std::string::npos) << "then the practice text";
}

// An export to a pipe or a device (/dev/stdout) writes into it and never
// replaces it with a file.
TEST(CommandLine, TheExportWritesIntoAPipeWithoutReplacingIt) {
    TempFolder program;
    CProgramContext context(program.Path());
    StoreRun(context.Folders().pupils, "Ala", RunOf("Lekcja 1"), {});
    const std::string pipe = program / "wyniki.pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string csv;
    std::thread reader([&csv, &pipe] { csv = ReadFile(pipe); });
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(context, {"--export-csv", pipe}, out, errors), 0) << errors.str();
    reader.join();
    EXPECT_NE(csv.find("\r\nAla;Lekcja 1;"), std::string::npos) << csv;
    struct stat info {};
    ASSERT_EQ(stat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A misspelt key would be ignored without a word; --show-config says what is
// in effect, where it came from, and what the program does not know.
TEST(CommandLine, ShowConfigTellsWhereEachSettingComesFromAndWarnsOfUnknownKeys) {
    TempFolder system;
    setenv("XDG_CONFIG_DIRS", system.Path().c_str(), 1);
    const std::string user = ProgramSettings()->fileName().toStdString();
    WriteFile(user, "[General]\npupilsfolder=/srv/x\nTeacherMode=true\n");
    WriteFile(system / "tastrum/tastrum.conf", "[General]\nPupilsFolder=/srv/klasa\n");
    CProgramContext context(ExecutableFolder());
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(context, {"--show-config"}, out, errors), 1);
    const std::string report = out.str();
    EXPECT_NE(report.find("PupilsFolder = /srv/klasa   (" + system / "tastrum/tastrum.conf" + ")"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("TeacherMode = true   (" + user + ")"), std::string::npos) << report;
    EXPECT_NE(report.find("nieznane ustawienie pupilsfolder w " + user +
                          " (czy chodziło o PupilsFolder?)"),
              std::string::npos)
        << report;
    setenv("TASTRUM_PUPILS", "/mnt/uczniowie", 1);
    out.str("");
    RunCommandLine(context, {"--show-config"}, out, errors);
    EXPECT_NE(out.str().find("PupilsFolder = /mnt/uczniowie   (zmienna TASTRUM_PUPILS)"),
              std::string::npos)
        << out.str();
    unsetenv("TASTRUM_PUPILS");
    unsetenv("XDG_CONFIG_DIRS");
    std::filesystem::remove(user);
}

// --show-config names what the program would refuse later: a pupils folder
// without its mark, a lessons folder that is not there; and says so in its
// exit code.
TEST(CommandLine, ShowConfigNamesFoldersTheProgramWouldRefuse) {
    TempFolder program, server;
    const std::string pupils = server / "klasa", lessons = server / "lekcje";
    std::filesystem::create_directories(pupils);
    ProgramFolders folders = FindProgramFolders(program.Path(), pupils, lessons);
    CProgramContext context(folders);
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(context, {"--show-config"}, out, errors), 1);
    EXPECT_NE(out.str().find("  - " + pupils), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("  - " + lessons + ": folder lekcji szkoły"), std::string::npos)
        << out.str();

    InitPupilsFolder(pupils, "");
    InitLessonsFolder(lessons, "");
    out.str("");
    EXPECT_EQ(RunCommandLine(context, {"--show-config"}, out, errors), 0) << out.str();
    EXPECT_EQ(out.str().find("Problemy"), std::string::npos) << out.str();
}
