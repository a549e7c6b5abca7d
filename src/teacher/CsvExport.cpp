// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/CsvExport.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "platform/CsvFields.h"
#include "platform/FileError.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStatFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string RunsCsv(const std::vector<PupilRuns>& pupils) {
    std::string csv(kCsvByteOrderMark);
    csv += CsvLine({"Uczeń", "Lekcja", "Data", "Znaków na minutę", "Błędy (%)", "Ocena",
                    "Przepisano %", "Uwagi"});
    for (const PupilRuns& pupil : pupils) {
        const std::string name = CsvText(Cp1250ToUtf8(pupil.pupil));
        if (!pupil.problem.empty())
            csv += CsvLine({name, "", "", "", "", "", "", CsvText(pupil.problem)});
        for (const StatRecord& run : pupil.runs)
            csv += CsvLine({name, CsvText(Cp1250ToUtf8(run.lesson)), run.date.FormatIso8601(),
                            CsvDecimal(run.charsPerMinute), CsvDecimal(run.errorPercent),
                            std::to_string(GradeOfRun(run)), CsvDecimal(TypedPercentOf(run)),
                            WasEndedEarly(run) ? "przerwane" : ""});
    }
    return csv;
}

std::string ClassTableCsv(const std::vector<std::string>& lessons,
                          const std::vector<PupilRow>& rows) {
    std::vector<std::string> heading{"Uczeń", "Podejścia", "Zaliczone lekcje", "Ostatni wynik",
                                     "Uwagi"};
    for (const std::string& lesson : lessons)
        heading.push_back(CsvText(Cp1250ToUtf8(lesson)));
    std::string csv = std::string(kCsvByteOrderMark) + CsvLine(heading);
    for (const PupilRow& row : rows) {
        std::vector<std::string> fields{
            CsvText(row.folderName.empty() ? Cp1250ToUtf8(row.pupil) : row.folderName),
            std::to_string(row.runs), std::to_string(row.lessonsPassed),
            row.lastRun.FormatIso8601(), CsvText(row.problem)};
        for (const LessonCell& cell : row.lessons)
            fields.push_back(cell.OnlyEndedEarly() ? "przerwane"
                             : cell.runs           ? std::to_string(cell.bestGrade)
                                                   : "");
        csv += CsvLine(fields);
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
