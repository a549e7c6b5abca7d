// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/CsvExport.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/Format.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStatFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const char* const kByteOrderMark = "\xEF\xBB\xBF";
const char* const kLineEnd = "\r\n";

// Characters that make a spreadsheet read the rest as a formula.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// A text field: one a spreadsheet would read as a formula is kept as text.
std::string Text(const std::string& utf8) {
    if (!utf8.empty() && kFormulaStarts.find(utf8.front()) != std::string_view::npos)
        return "'" + utf8;
    return utf8;
}

std::string Field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

constexpr int kDecimals = 2;

std::string Decimal(double value) {
    return FormatDecimalComma(value, kDecimals);
}

std::string Line(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        line += (i ? ";" : "") + Field(fields[i]);
    return line + kLineEnd;
}

} // namespace

std::string RunsCsv(const std::vector<PupilRuns>& pupils) {
    std::string csv = kByteOrderMark;
    csv += Line({"Uczeń", "Lekcja", "Data", "Znaków na minutę", "Błędy (%)", "Ocena",
                 "Przepisano %", "Uwagi"});
    for (const PupilRuns& pupil : pupils) {
        const std::string name = Text(Cp1250ToUtf8(pupil.pupil));
        if (!pupil.problem.empty())
            csv += Line({name, "", "", "", "", "", "", Text(pupil.problem)});
        for (const StatRecord& run : pupil.runs)
            csv += Line({name, Text(Cp1250ToUtf8(run.lesson)), run.date.FormatIso8601(),
                         Decimal(run.charsPerMinute), Decimal(run.errorPercent),
                         std::to_string(GradeOfRun(run)), Decimal(TypedPercentOf(run)),
                         WasEndedEarly(run) ? "przerwane" : ""});
    }
    return csv;
}

std::string ClassTableCsv(const std::vector<std::string>& lessons,
                          const std::vector<PupilRow>& rows) {
    std::vector<std::string> heading{"Uczeń", "Podejścia", "Zaliczone lekcje", "Ostatni wynik",
                                     "Uwagi"};
    for (const std::string& lesson : lessons)
        heading.push_back(Text(Cp1250ToUtf8(lesson)));
    std::string csv = kByteOrderMark + Line(heading);
    for (const PupilRow& row : rows) {
        std::vector<std::string> fields{
            Text(row.folderName.empty() ? Cp1250ToUtf8(row.pupil) : row.folderName),
            std::to_string(row.runs), std::to_string(row.lessonsPassed),
            row.lastRun.FormatIso8601(), Text(row.problem)};
        for (const LessonCell& cell : row.lessons)
            fields.push_back(cell.OnlyEndedEarly() ? "przerwane"
                             : cell.runs           ? std::to_string(cell.bestGrade)
                                                   : "");
        csv += Line(fields);
    }
    return csv;
}

std::string ClassRunsCsv(const PupilsFolder& folder, std::vector<std::string>& unreadable) {
    PupilScan scan = ScanPupils(folder);
    if (scan.folderProblem)
        throw *scan.folderProblem;
    std::vector<PupilRuns> pupils;
    for (const std::string& name : scan.names) {
        PupilRuns pupil{name, {}, {}};
        try {
            CPupilStats stats;
            LoadPupilStats(folder, name, stats);
            pupil.runs = std::move(stats);
        } catch (const FileError& error) {
            pupil.problem = error.Problem();
        }
        pupils.push_back(std::move(pupil));
    }
    for (const UnlistedPupil& unlisted : scan.unlisted)
        pupils.push_back({unlisted.pupil, unlisted.problem, {}});
    std::stable_sort(pupils.begin(), pupils.end(), [](const PupilRuns& a, const PupilRuns& b) {
        return PolishLessCp1250(a.pupil, b.pupil);
    });
    for (const PupilRuns& pupil : pupils)
        if (!pupil.problem.empty())
            unreadable.push_back(Cp1250ToUtf8(pupil.pupil) + ": " + pupil.problem);
    return RunsCsv(pupils);
}
