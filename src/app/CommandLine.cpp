// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "app/Options.h"

#include "classtests/ClassTestCsv.h"
#include "classtests/ClassTestFile.h"
#include "classtests/ClassTestTable.h"
#include "exercise/KeyboardReach.h"
#include "exercise/WeakKeyLesson.h"
#include "exercise/WeakKeys.h"
#include "keyboard/LayoutCheck.h"
#include "lessons/LessonCheck.h"
#include "lessons/LessonListing.h"
#include "lessons/WordList.h"
#include "platform/ActiveLayout.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/PrintableText.h"
#include "platform/SettingsReport.h"
#include "platform/TeacherAccess.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilsFolderCheck.h"
#include "pupils/PupilsFolderSetup.h"
#include "teacher/CsvExport.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <set>

#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kFaultsFound = 1;
constexpr int kWrongArguments = 2;

int CheckLessons(const std::vector<std::string>& folders, const std::string& programFolder,
                 std::ostream& out) {
    int status = 0;
    std::vector<ListedLesson> lessons = ListLessonFiles(folders);
    std::sort(lessons.begin(), lessons.end(),
              [](const ListedLesson& a, const ListedLesson& b) { return a.path < b.path; });
    for (const ListedLesson& lesson : lessons) {
        const LessonCheck check = CheckLesson(lesson.path, programFolder, ReachOnKeyboard);
        // A name or a line of a lesson may hold any byte; none may forge or
        // garble a line of the report.
        const std::string name = PrintableText(lesson.path);
        if (check.problems.empty() && check.warnings.empty()) {
            out << name << ": OK\n";
            continue;
        }
        if (!check.problems.empty())
            status = kFaultsFound;
        out << name << ":\n";
        for (const std::string& problem : check.problems)
            out << "  - " << PrintableText(problem) << "\n";
        for (const std::string& warning : check.warnings)
            out << "  - uwaga: " << PrintableText(warning) << "\n";
    }
    if (lessons.empty()) {
        out << "Nie znaleziono żadnej lekcji (plików .ini).\n";
        status = kFaultsFound;
    }
    // The layout is this computer's setting, no fault of a lesson.
    if (const std::optional<std::string> warning = PolishLayoutWarning(ActiveKeyboardLayout()))
        out << *warning << "\n";
    return status;
}

// A class's results are the teacher's, as in the class overview.
bool TeacherMayRead(const PupilsFolder& pupils, std::ostream& errors) {
    if (DecideTeacherAccess(GatherTeacherAccessFacts(pupils, kAdministratorsFolder)) ==
        TeacherAccess::Granted)
        return true;
    errors << "tastrum: " << WhoGrantsTeacherAccess() << "\n";
    return false;
}

int ExportCsv(const PupilsFolder& pupils, const std::string& path, std::ostream& out,
              std::ostream& errors) {
    if (!TeacherMayRead(pupils, errors))
        return kFaultsFound;
    std::vector<std::string> unreadable;
    try {
        WriteUserFile(path, ClassRunsCsv(pupils, unreadable));
    } catch (const FileError& error) {
        errors << "tastrum: " << error.what() << "\n";
        return kFaultsFound;
    }
    for (const std::string& pupil : unreadable)
        errors << "tastrum: nie można pokazać wyników ucznia " << pupil << "\n";
    out << "Zapisano " << path << "\n";
    return unreadable.empty() ? 0 : kFaultsFound;
}

std::string TimeLimitText(int seconds) {
    if (seconds == kNoTimeLimit)
        return "do końca tekstu";
    return FormatDecimalComma(seconds / 60.0, seconds % 60 ? 1 : 0) + " min";
}

int PupilsWhoTook(const PupilsFolder& pupils, const std::string& testId) {
    std::set<std::string> took;
    for (const TestResult& result : ReadTestResults(pupils, testId).results)
        took.insert(result.pupil);
    return static_cast<int>(took.size());
}

std::vector<ListedClassTest> ClassTestsOf(const PupilsFolder& pupils) {
    if (const std::optional<FileError> problem = PupilsFolderProblem(pupils))
        throw *problem;
    return ListClassTests(pupils);
}

int ListTests(const PupilsFolder& pupils, std::ostream& out, std::ostream& errors) {
    if (!TeacherMayRead(pupils, errors))
        return kFaultsFound;
    int status = 0;
    try {
        const std::vector<ListedClassTest> tests = ClassTestsOf(pupils);
        for (const ListedClassTest& listed : tests) {
            if (!listed.problem.empty()) {
                errors << "tastrum: sprawdzian " << PrintableText(listed.id) << ": "
                       << PrintableText(listed.problem) << "\n";
                status = kFaultsFound;
                continue;
            }
            const ClassTest& test = listed.test;
            out << PrintableText(test.name) << ": od " << FormatDay(test.openFrom) << " do "
                << FormatDay(test.openTo) << ", czas: " << TimeLimitText(test.timeLimitSeconds)
                << ", napisało: " << PupilsWhoTook(pupils, test.id) << "\n";
        }
        if (tests.empty())
            out << "Nie ma jeszcze żadnego sprawdzianu.\n";
    } catch (const FileError& error) {
        errors << "tastrum: " << error.what() << "\n";
        return kFaultsFound;
    }
    return status;
}

// The test of that name, or of that folder's name.
std::optional<ClassTest> FindClassTest(const PupilsFolder& pupils, const std::string& name) {
    for (const ListedClassTest& listed : ClassTestsOf(pupils))
        if (listed.problem.empty() && (listed.test.name == name || listed.id == name))
            return listed.test;
    return std::nullopt;
}

int ExportTest(const PupilsFolder& pupils, const std::string& name, const std::string& path,
               std::ostream& out, std::ostream& errors) {
    if (!TeacherMayRead(pupils, errors))
        return kFaultsFound;
    std::vector<ClassTestRow> rows;
    try {
        const std::optional<ClassTest> test = FindClassTest(pupils, name);
        if (!test) {
            errors << "tastrum: nie ma sprawdzianu " << PrintableText(name)
                   << " (tastrum --tests je wypisuje)\n";
            return kFaultsFound;
        }
        rows = MakeClassTestTable(pupils, *test);
        WriteUserFile(path, ClassTestCsv(rows));
    } catch (const FileError& error) {
        errors << "tastrum: " << error.what() << "\n";
        return kFaultsFound;
    }
    int status = 0;
    for (const ClassTestRow& row : rows)
        if (!row.problem.empty()) {
            errors << "tastrum: nie można pokazać wyniku ucznia "
                   << PrintableText(Cp1250ToUtf8(row.pupil)) << ": " << PrintableText(row.problem)
                   << "\n";
            status = kFaultsFound;
        }
    out << "Zapisano " << path << "\n";
    return status;
}

// --init-pupils-folder and --init-lessons-folder: FOLDER [GROUP].
int InitFolderCommand(const std::vector<std::string>& arguments,
                      void (*init)(const std::string&, const std::string&), const char* what,
                      std::ostream& out, std::ostream& errors) {
    const std::string& folder = arguments[1];
    try {
        init(folder, arguments.size() == 3 ? arguments[2] : std::string{});
    } catch (const FileError& error) {
        errors << "tastrum: " << error.what() << "\n";
        return kFaultsFound;
    }
    out << "Przygotowano " << what << " " << folder << "\n";
    return 0;
}

// What the program would refuse later of the folders the settings name.
std::vector<std::string> FolderProblems(const ProgramFolders& folders) {
    std::vector<std::string> problems;
    if (const std::optional<FileError> problem = PupilsFolderProblem(folders.pupils))
        problems.push_back(problem->what());
    std::error_code error;
    if (!folders.schoolLessons.empty() &&
        !std::filesystem::is_directory(folders.schoolLessons, error))
        problems.push_back(folders.schoolLessons +
                           ": folder lekcji szkoły (LessonsFolder=) nie istnieje albo nie jest "
                           "folderem; przygotuj go poleceniem tastrum --init-lessons-folder");
    return problems;
}

int ShowConfig(const ProgramFolders& folders, std::ostream& out) {
    int unknownKeys = 0;
    out << SettingsReport(unknownKeys);
    const std::vector<std::string> problems = FolderProblems(folders);
    if (!problems.empty()) {
        out << "\nProblemy, przez które program nie zadziała, jak ustawiono:\n";
        for (const std::string& problem : problems)
            out << "  - " << PrintableText(problem) << "\n";
    }
    return unknownKeys || !problems.empty() ? kFaultsFound : 0;
}

// A line typed at the terminal, not shown as it is typed.
std::string ReadSecretLine(std::istream& in) {
    termios before{};
    const bool terminal =
        &in == &std::cin && ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &before) == 0;
    if (terminal) {
        termios hidden = before;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    }
    std::string line;
    std::getline(in, line);
    if (terminal)
        ::tcsetattr(STDIN_FILENO, TCSANOW, &before);
    return line;
}

int SetTeacherPasswordCommand(std::istream& in, std::ostream& out, std::ostream& errors) {
    if (::geteuid() != 0) {
        errors << "tastrum: hasło nauczyciela ustawia administrator (uruchom przez sudo)\n";
        return kFaultsFound;
    }
    out << "Hasło nauczyciela: " << std::flush;
    const std::string password = ReadSecretLine(in);
    out << "\nPowtórz hasło: " << std::flush;
    const std::string again = ReadSecretLine(in);
    out << "\n";
    if (password.empty() || password != again) {
        errors << "tastrum: hasła są puste albo różne; niczego nie zmieniono\n";
        return kFaultsFound;
    }
    try {
        std::filesystem::create_directories(kAdministratorsFolder);
        SetTeacherPassword(kAdministratorsFolder, password);
    } catch (const std::exception& error) {
        errors << "tastrum: " << error.what() << "\n";
        return kFaultsFound;
    }
    out << "Zapisano hasło nauczyciela.\n";
    return 0;
}

// Most keys --weak-keys lists.
constexpr size_t kWeakKeysListed = 10;

bool IsPupil(const PupilsFolder& folder, const std::string& pupil) {
    StringList pupils;
    ListPupils(folder, pupils);
    return std::find(pupils.begin(), pupils.end(), pupil) != pupils.end();
}

void PrintWeakKeys(const CKeyStats& stats, std::ostream& out) {
    const std::vector<WeakKey> weak = RankWeakKeys(stats);
    for (size_t i = 0; i < std::min(weak.size(), kWeakKeysListed); ++i) {
        out << Cp1250ToUtf8(std::string(1, weak[i].key)) << ": "
            << FormatDecimalComma(weak[i].errorRate * 100, 0) << "% błędów (zwykle "
            << FormatDecimalComma(weak[i].usualErrorRate * 100, 0) << "%), ";
        if (weak[i].msPerPress > 0)
            out << FormatDecimalComma(weak[i].msPerPress, 0) << " ms na znak"
                << (weak[i].slow ? " (wolno)" : "") << "\n";
        else
            out << "czas jeszcze niezmierzony\n";
    }
    if (weak.empty())
        out << "Żaden klawisz nie sprawia teraz kłopotu.\n";
}

int WeakKeysCommand(CProgramContext& program, const std::string& name, std::ostream& out,
                    std::ostream& errors) {
    const PupilsFolder& pupils = program.Folders().pupils;
    const std::string pupil = Utf8ToCp1250(name);
    try {
        if (const std::optional<FileError> problem = PupilsFolderProblem(pupils))
            throw *problem;
        if (!IsPupil(pupils, pupil)) {
            errors << "tastrum: nie ma ucznia " << name << " w folderze " << pupils.path << "\n";
            return kFaultsFound;
        }
        const CKeyStats stats = LoadKeyStats(pupils, pupil);
        if (stats.TotalPresses() < kPressesForPractice) {
            errors << "tastrum: za mało pomiarów ucznia " << name << " (" << stats.TotalPresses()
                   << " znaków z " << kPressesForPractice << " potrzebnych)\n";
            return kFaultsFound;
        }
        PrintWeakKeys(stats, out);
        const WeakKeyLesson lesson =
            MakeWeakKeyLesson(stats, SchoolWordList(program.Folders()), program.random);
        out << "\n";
        for (const std::string& line : lesson.lines)
            out << Cp1250ToUtf8(line) << "\n";
        return 0;
    } catch (const FileError& error) {
        errors << "tastrum: " << error.what() << "\n";
        return kFaultsFound;
    }
}

} // namespace

bool TakeTeacherOption(std::vector<std::string>& arguments) {
    return std::erase(arguments, std::string("--teacher")) > 0;
}

std::optional<int> RunCommandLine(CProgramContext& program,
                                  const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& errors) {
    if (arguments.empty())
        return std::nullopt;
    const std::string& option = arguments.front();
    if (option == "--help" && arguments.size() == 1) {
        out << UsageText();
        return 0;
    }
    if (option == "--version" && arguments.size() == 1) {
        out << "Tastrum " << TASTRUM_VERSION << "\n";
        return 0;
    }
    if (option == "--check-lessons" && arguments.size() <= 2)
        return CheckLessons(arguments.size() == 2 ? std::vector{arguments[1]}
                                                  : LessonFolders(program.Folders()),
                            program.ProgramFolder(), out);
    if (option == "--export-csv" && arguments.size() == 2)
        return ExportCsv(program.Folders().pupils, arguments[1], out, errors);
    if (option == "--tests" && arguments.size() == 1)
        return ListTests(program.Folders().pupils, out, errors);
    if (option == "--export-test" && arguments.size() == 3)
        return ExportTest(program.Folders().pupils, arguments[1], arguments[2], out, errors);
    if (option == "--show-config" && arguments.size() == 1)
        return ShowConfig(program.Folders(), out);
    if (option == "--weak-keys" && arguments.size() == 2)
        return WeakKeysCommand(program, arguments[1], out, errors);
    if (option == "--set-teacher-password" && arguments.size() == 1)
        return SetTeacherPasswordCommand(std::cin, out, errors);
    if (option == "--init-pupils-folder" && (arguments.size() == 2 || arguments.size() == 3))
        return InitFolderCommand(arguments, &InitPupilsFolder, "folder uczniów", out, errors);
    if (option == "--init-lessons-folder" && (arguments.size() == 2 || arguments.size() == 3))
        return InitFolderCommand(arguments, &InitLessonsFolder, "folder lekcji szkoły", out,
                                 errors);
    errors << "tastrum: nieznane wywołanie: " << option << "\n" << UsageText();
    return kWrongArguments;
}
