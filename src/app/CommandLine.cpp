#include "app/CommandLine.h"

#include "exercise/WeakKeyLesson.h"
#include "keyboard/Chord.h"
#include "lessons/CourseTexts.h"
#include "lessons/LessonCheck.h"
#include "lessons/LessonListing.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/ProgramContext.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilsFolderCheck.h"
#include "pupils/PupilsFolderSetup.h"
#include "pupils/WeakKeys.h"
#include "teacher/CsvExport.h"

#include <algorithm>

namespace {

constexpr int kFaultsFound = 1;
constexpr int kWrongArguments = 2;

const char* const kUsage =
    "Użycie: tastrum [--teacher | --help | --version | --check-lessons [FOLDER] |\n"
    "                --export-csv PLIK | --weak-keys UCZEŃ |\n"
    "                --init-pupils-folder FOLDER [GRUPA]]\n"
    "Tastrum uczy pisania bezwzrokowego na klawiaturze, lekcja po lekcji.\n"
    "Bez opcji otwiera okno wyboru ucznia i lekcji.\n"
    "\n"
    "  --teacher                 otwiera okno z widokiem nauczyciela: przeglądem klasy,\n"
    "                            raportami uczniów i eksportem wyników (to samo daje\n"
    "                            TeacherMode=true w tastrum.conf)\n"
    "  --help                    pokazuje ten opis\n"
    "  --version                 pokazuje wersję programu\n"
    "  --check-lessons [FOLDER]  sprawdza pliki lekcji z folderu (bez niego: lekcje\n"
    "                            programu i własne lekcje użytkownika) i wypisuje,\n"
    "                            co trzeba w nich poprawić; kończy się kodem 1, gdy\n"
    "                            coś jest nie tak\n"
    "  --export-csv PLIK         zapisuje wszystkie wyniki wszystkich uczniów do pliku\n"
    "                            CSV (UTF-8, średniki, przecinki dziesiętne); kończy\n"
    "                            się kodem 1, gdy folderu uczniów albo czyjegoś pliku\n"
    "                            nie da się odczytać\n"
    "  --weak-keys UCZEŃ         wypisuje najsłabsze klawisze ucznia (odsetek błędów\n"
    "                            przy pierwszej próbie i czas na znak) i jedno\n"
    "                            ćwiczenie z nich; kończy się kodem 1, gdy nie ma\n"
    "                            takiego ucznia albo ma za mało pomiarów\n"
    "  --init-pupils-folder FOLDER [GRUPA]\n"
    "                            przygotowuje folder uczniów klasy na udziale serwera:\n"
    "                            tworzy go, gdy go nie ma, oznacza plikiem\n"
    "                            .tastrum-pupils, daje go (z zawartością) grupie GRUPA\n"
    "                            i ustawia prawo zapisu dla grupy oraz bit setgid\n"
    "\n"
    "Zmienne środowiska:\n"
    "  TASTRUM_PUPILS  folder uczniów, np. udział serwera szkoły (ma pierwszeństwo\n"
    "                  przed ustawieniem PupilsFolder= w tastrum.conf)\n"
    "  TASTRUM_LESSONS folder lekcji wspólnych dla szkoły (ma pierwszeństwo przed\n"
    "                  ustawieniem LessonsFolder= w tastrum.conf)\n"
    "  XDG_DATA_HOME   gdzie zainstalowany program trzyma uczniów i własne lekcje\n";

int CheckLessons(const std::vector<std::string>& folders, std::ostream& out) {
    int status = 0;
    std::vector<ListedLesson> lessons = ListLessonFiles(folders);
    std::sort(lessons.begin(), lessons.end(),
              [](const ListedLesson& a, const ListedLesson& b) { return a.path < b.path; });
    for (const ListedLesson& lesson : lessons) {
        const std::vector<std::string> problems = LessonProblems(
            lesson.path, GetProgramFolder(), [](char ch) { return ChordOf(ch).has_value(); });
        if (problems.empty()) {
            out << lesson.path << ": OK\n";
            continue;
        }
        status = kFaultsFound;
        out << lesson.path << ":\n";
        for (const std::string& problem : problems)
            out << "  - " << problem << "\n";
    }
    if (lessons.empty()) {
        out << "Nie znaleziono żadnej lekcji (plików .ini).\n";
        status = kFaultsFound;
    }
    return status;
}

int ExportCsv(const std::string& path, std::ostream& out, std::ostream& errors) {
    std::vector<std::string> unreadable;
    try {
        WriteUserFile(path, ClassRunsCsv(ContextPupilsFolder(), unreadable));
    } catch (const FileError& error) {
        errors << "tastrum: " << error.what() << "\n";
        return kFaultsFound;
    }
    for (const std::string& pupil : unreadable)
        errors << "tastrum: nie można pokazać wyników ucznia " << pupil << "\n";
    out << "Zapisano " << path << "\n";
    return unreadable.empty() ? 0 : kFaultsFound;
}

int InitPupilsFolderCommand(const std::vector<std::string>& arguments, std::ostream& out,
                            std::ostream& errors) {
    const std::string& folder = arguments[1];
    try {
        InitPupilsFolder(folder, arguments.size() == 3 ? arguments[2] : std::string{});
    } catch (const FileError& error) {
        errors << "tastrum: " << error.what() << "\n";
        return kFaultsFound;
    }
    out << "Przygotowano folder uczniów " << folder << "\n";
    return 0;
}

// Most keys --weak-keys lists.
constexpr size_t kWeakKeysListed = 10;

bool IsPupil(const std::string& pupil) {
    StringList pupils;
    ListPupils(ContextPupilsFolder(), pupils);
    return std::find(pupils.begin(), pupils.end(), pupil) != pupils.end();
}

void PrintWeakKeys(const CKeyStats& stats, std::ostream& out) {
    const std::vector<WeakKey> weak = RankWeakKeys(stats);
    for (size_t i = 0; i < std::min(weak.size(), kWeakKeysListed); ++i)
        out << Cp1250ToUtf8(std::string(1, weak[i].key)) << ": "
            << FormatDecimalComma(weak[i].errorRate * 100, 0) << "% błędów, "
            << FormatDecimalComma(weak[i].msPerPress, 0) << " ms na znak\n";
    if (weak.empty())
        out << "Żaden klawisz nie sprawia teraz kłopotu.\n";
}

int WeakKeysCommand(const std::string& name, std::ostream& out, std::ostream& errors) {
    const std::string pupil = Utf8ToCp1250(name);
    try {
        if (const std::optional<FileError> problem = PupilsFolderProblem(ContextPupilsFolder()))
            throw *problem;
        if (!IsPupil(pupil)) {
            errors << "tastrum: nie ma ucznia " << name << " w folderze "
                   << ContextPupilsFolder().path << "\n";
            return kFaultsFound;
        }
        const CKeyStats stats = LoadKeyStats(ContextPupilsFolder(), pupil);
        if (stats.TotalPresses() < kPressesForPractice) {
            errors << "tastrum: za mało pomiarów ucznia " << name << " (" << stats.TotalPresses()
                   << " znaków z " << kPressesForPractice << " potrzebnych)\n";
            return kFaultsFound;
        }
        PrintWeakKeys(stats, out);
        const WeakKeyLesson lesson = MakeWeakKeyLesson(
            stats,
            CourseTexts(ListLessonFiles(LessonFolders(CProgramContext::Current().Folders()))),
            CProgramContext::Current().random);
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

std::optional<int> RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& errors) {
    if (arguments.empty())
        return std::nullopt;
    const std::string& option = arguments.front();
    if (option == "--help" && arguments.size() == 1) {
        out << kUsage;
        return 0;
    }
    if (option == "--version" && arguments.size() == 1) {
        out << "Tastrum " << TASTRUM_VERSION << "\n";
        return 0;
    }
    if (option == "--check-lessons" && arguments.size() <= 2)
        return CheckLessons(arguments.size() == 2
                                ? std::vector{arguments[1]}
                                : LessonFolders(CProgramContext::Current().Folders()),
                            out);
    if (option == "--export-csv" && arguments.size() == 2)
        return ExportCsv(arguments[1], out, errors);
    if (option == "--weak-keys" && arguments.size() == 2)
        return WeakKeysCommand(arguments[1], out, errors);
    if (option == "--init-pupils-folder" && (arguments.size() == 2 || arguments.size() == 3))
        return InitPupilsFolderCommand(arguments, out, errors);
    errors << "tastrum: nieznane wywołanie: " << option << "\n" << kUsage;
    return kWrongArguments;
}
