// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Options.h"

namespace {

constexpr size_t kHelpColumn = 28;

const char* const kUsageHead =
    "Użycie: tastrum [--teacher | --help | --version | --check-lessons [FOLDER] |\n"
    "                --export-csv PLIK | --tests | --export-test NAZWA PLIK |\n"
    "                --weak-keys UCZEŃ | --show-config |\n"
    "                --init-pupils-folder FOLDER [GRUPA] |\n"
    "                --init-lessons-folder FOLDER [GRUPA] | --set-teacher-password]\n"
    "Tastrum uczy pisania bezwzrokowego na klawiaturze, lekcja po lekcji.\n"
    "Bez opcji otwiera okno wyboru ucznia i lekcji. Opcje Qt (-platform, -style,\n"
    "-reverse i inne) przechodzą do Qt.\n"
    "\n";

const char* const kUsageTail =
    "\n"
    "Zmienne środowiska:\n"
    "  TASTRUM_PUPILS  folder uczniów, np. udział serwera szkoły (ma pierwszeństwo\n"
    "                  przed ustawieniem PupilsFolder= w tastrum.conf)\n"
    "  TASTRUM_LESSONS folder lekcji wspólnych dla szkoły (ma pierwszeństwo przed\n"
    "                  ustawieniem LessonsFolder= w tastrum.conf)\n"
    "  XDG_DATA_HOME   gdzie zainstalowany program trzyma uczniów i własne lekcje\n";

// The width of a text in characters, UTF-8 continuation bytes aside.
size_t Columns(const std::string& text) {
    size_t columns = 0;
    for (const unsigned char c : text)
        columns += (c & 0xC0) != 0x80;
    return columns;
}

} // namespace

const std::vector<ProgramOption>& ProgramOptions() {
    static const std::vector<ProgramOption> options{
        {"--teacher", ".B \\-\\-teacher",
         "otwiera okno z widokiem nauczyciela: przeglądem klasy,\nraportami uczniów i "
         "eksportem wyników (to samo daje\nTeacherMode=true w tastrum.conf); w folderze "
         "klasy\ntylko dla konta, któremu udostępnił go administrator",
         "Open the window for a teacher: the class overview, the pupils' reports and\n"
         "the exports are offered only then (or with\n.B TeacherMode=true\nin\n"
         ".IR tastrum.conf ).\n"
         "With a school's pupils folder only for root, the owner of its mark, the\n"
         "members of the group named by\n.B TeacherGroup=\nin\n"
         ".IR /etc/xdg/tastrum/tastrum.conf ,\nor whoever gives the teacher's password."},
        {"--help", ".B \\-\\-help", "pokazuje ten opis",
         "Print a summary of the options and exit."},
        {"--version", ".B \\-\\-version", "pokazuje wersję programu",
         "Print the version and exit."},
        {"--check-lessons [FOLDER]", ".BR \\-\\-check\\-lessons \" [\\fIfolder\\fR]\"",
         "sprawdza pliki lekcji z folderu (bez niego: lekcje\nprogramu, szkoły i własne "
         "lekcje użytkownika) i wypisuje,\nco trzeba w nich poprawić; kończy się kodem 1, "
         "gdy\ncoś jest nie tak",
         "Check the lessons in\n.I folder\nwithout opening a window, and report every "
         "fault found,\nevery character no key of the Polish keyboard types among them.\n"
         "Without a folder, the lessons that come with the program, the school's\n"
         "and the user's own lessons are checked."},
        {"--export-csv PLIK", ".BI \\-\\-export\\-csv \" file\"",
         "zapisuje wszystkie wyniki wszystkich uczniów do pliku\nCSV (UTF-8, średniki, "
         "przecinki dziesiętne); kończy\nsię kodem 1, gdy folderu uczniów albo czyjegoś "
         "pliku\nnie da się odczytać",
         "Write every run of every pupil of the pupils folder to\n.I file\nas CSV for a "
         "spreadsheet (UTF\\-8, semicolons, decimal commas), without\nopening a window.\n"
         "A pupil whose runs cannot be read gets a line with the reason."},
        {"--tests", ".B \\-\\-tests",
         "wypisuje sprawdziany klasy: nazwę, daty, czas i ilu\nuczniów je napisało; kończy się "
         "kodem 1, gdy\njakiegoś sprawdzianu nie da się odczytać",
         "List the tests the teacher set for the class (name, the days it is open,\nthe time "
         "limit and how many pupils took it), without opening a window.\nExits with 1 when a "
         "test cannot be read."},
        {"--export-test NAZWA PLIK", ".BI \\-\\-export\\-test \" name file\"",
         "zapisuje do pliku CSV oceny ze sprawdzianu o tej\nnazwie: najlepsze podejście "
         "każdego ucznia; kończy\nsię kodem 1, gdy nie ma takiego sprawdzianu albo\n"
         "czyichś wyników nie da się odczytać",
         "Write the marking table of the test called\n.I name\nto\n.I file\nas CSV for a "
         "spreadsheet: each pupil's best attempt, attempts used\nand allowed, and remarks "
         "(not taken, doubtful, ended early).\nExits with 1 when there is no such test or "
         "a pupil's results cannot be read."},
        {"--weak-keys UCZEŃ", ".BI \\-\\-weak\\-keys \" pupil\"",
         "wypisuje najsłabsze klawisze ucznia (odsetek błędów\nprzy pierwszej próbie i czas "
         "na znak) i jedno\nćwiczenie z nich; kończy się kodem 1, gdy nie ma\ntakiego "
         "ucznia albo ma za mało pomiarów",
         "Print the pupil's weakest keys, each with its recent error rate and time\nper "
         "press, and then one practice text built from them, without opening a\nwindow.\n"
         "Exits with 1 when there is no such pupil or too little history (fewer than\n"
         "200 measured keys)."},
        {"--show-config", ".B \\-\\-show\\-config",
         "wypisuje przeczytane pliki ustawień, każde ustawienie\nw użyciu i skąd pochodzi "
         "oraz ostrzega przed\nnieznanymi kluczami (kod 1, gdy jakiś jest)",
         "Print the settings files read (the user's, then those of\n.BR XDG_CONFIG_DIRS ),\n"
         "every setting in effect and where it came from, and a warning for every\nkey the "
         "program does not know, such as a misspelt\n.BR pupilsfolder ;\nexits with 1 when "
         "there is one."},
        {"--init-pupils-folder FOLDER [GRUPA]",
         ".BR \\-\\-init\\-pupils\\-folder \" \\fIfolder\\fR [\\fIgroup\\fR]\"",
         "przygotowuje folder uczniów klasy na udziale serwera:\ntworzy go, gdy go nie ma, "
         "oznacza plikiem\n.tastrum-pupils, daje go (z zawartością) grupie GRUPA\ni ustawia "
         "prawo zapisu dla grupy oraz bit setgid",
         "Prepare\n.I folder\nas a school's shared pupils folder: make it when missing (its "
         "parent must\nexist), give it and what it holds to\n.IR group ,\nmake it writable "
         "for the group with the setgid bit, and put the mark file\n.I .tastrum\\-pupils\n"
         "in it.\nA pupils folder set in\n.I tastrum.conf\nis used only when it carries this "
         "mark, so that the empty mount point of\na share that is not mounted is never "
         "taken for the class."},
        {"--init-lessons-folder FOLDER [GRUPA]",
         ".BR \\-\\-init\\-lessons\\-folder \" \\fIfolder\\fR [\\fIgroup\\fR]\"",
         "przygotowuje folder lekcji szkoły na udziale serwera:\ntworzy go, gdy go nie ma, "
         "daje go (z zawartością)\ngrupie nauczycieli GRUPA, która w nim pisze (bit\nsetgid), "
         "a pozostali (uczniowie) mogą go czytać",
         "Prepare\n.I folder\nas the lessons folder a school shares: make it when missing, "
         "give it and\nwhat it holds to\n.I group\n(the teachers), who write it, with the "
         "setgid bit, and let every\nother account (the pupils) read it. Name it as\n"
         ".B LessonsFolder=\nin\n.IR /etc/xdg/tastrum/tastrum.conf ."},
        {"--set-teacher-password", ".B \\-\\-set\\-teacher\\-password",
         "ustawia hasło nauczyciela (tylko administrator);\ndaje widok nauczyciela w folderze "
         "klasy kontu,\nz którego korzysta cała klasa",
         "Set the teacher's password (as root), read twice from the terminal, kept\n"
         "only as a salted slow hash in\n.IR /etc/xdg/tastrum/haslo\\-nauczyciela .\n"
         "On a lab where the whole class shares one account, the teacher's view of\n"
         "the class folder opens for whoever gives it."},
    };
    return options;
}

std::string UsageText() {
    std::string text = kUsageHead;
    for (const ProgramOption& option : ProgramOptions()) {
        std::string line = std::string("  ") + option.usage;
        const std::string indent(kHelpColumn, ' ');
        if (Columns(line) + 2 > kHelpColumn) {
            text += line + "\n";
            line = indent;
        } else {
            line += std::string(kHelpColumn - Columns(line), ' ');
        }
        std::string help = option.help;
        for (size_t start = 0; start <= help.size();) {
            const size_t end = std::min(help.find('\n', start), help.size());
            text += line + help.substr(start, end - start) + "\n";
            line = indent;
            start = end + 1;
        }
    }
    return text + kUsageTail;
}

std::string ManualOptions() {
    std::string roff;
    for (const ProgramOption& option : ProgramOptions())
        roff += std::string(".TP\n") + option.manUsage + "\n" + option.man + "\n";
    return roff;
}

namespace {

// A line of --help's text as roff prints it: hyphens as hyphens, and no
// line taken for a request.
std::string RoffLine(const std::string& line) {
    std::string roff = line.starts_with('.') || line.starts_with('\'') ? "\\&" : "";
    for (const char c : line)
        roff += c == '-' ? std::string("\\-") : c == '\\' ? std::string("\\e") : std::string(1, c);
    return roff;
}

} // namespace

std::string PolishManualOptions() {
    std::string roff;
    for (const ProgramOption& option : ProgramOptions()) {
        roff += std::string(".TP\n") + option.manUsage + "\n";
        const std::string help = option.help;
        for (size_t start = 0; start <= help.size();) {
            const size_t end = std::min(help.find('\n', start), help.size());
            roff += RoffLine(help.substr(start, end - start)) + "\n";
            start = end + 1;
        }
    }
    return roff;
}

std::string ManualPage(const std::string& manualTemplate) {
    std::string page = manualTemplate;
    for (const auto& [marker, options] :
         {std::pair{"%OPTIONS%\n", ManualOptions()}, std::pair{"%OPCJE%\n", PolishManualOptions()}})
        if (const size_t at = page.find(marker); at != std::string::npos)
            page.replace(at, std::string(marker).size(), options);
    return page;
}
