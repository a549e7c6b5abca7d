// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTestTable.h"

#include "classtests/Attempts.h"
#include "platform/FileError.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStatFile.h"
#include "pupils/RunFiles.h"

#include <algorithm>

namespace {

bool Better(const TestResult& a, const TestResult& b) {
    if (a.mark != b.mark)
        return a.mark > b.mark;
    return a.charsPerMinute > b.charsPerMinute;
}

bool SameMeasures(const TestResult& result, const StatRecord& run) {
    return run.date.FormatIso8601() == result.date.FormatIso8601() &&
           run.charsPerMinute == result.charsPerMinute && run.errorPercent == result.errorPercent;
}

void AddProblem(ClassTestRow& row, const std::string& problem) {
    row.problem += (row.problem.empty() ? "" : "; ") + problem;
}

ClassTestRow MakeRow(const PupilsFolder& pupils, const ClassTest& test, const std::string& pupil,
                     const TestResults& results, const AttemptLedger& ledger) {
    ClassTestRow row;
    row.pupil = pupil;
    row.attemptsUsed = ledger.Used(pupil);
    row.attemptsAllowed = test.attemptsAllowed + ledger.Extra(pupil);
    std::vector<const TestResult*> own;
    for (const TestResult& result : results.results)
        if (result.pupil == pupil)
            own.push_back(&result);
    for (const UnreadableResult& unreadable : results.unreadable)
        if (unreadable.pupil == pupil)
            AddProblem(row, unreadable.problem);
    if (const TestResult* best = BestResult(own)) {
        row.best = *best;
        try {
            CPupilStats stats;
            LoadPupilStats(pupils, pupil, stats);
            row.doubtful = !BackedByRuns(*best, stats);
        } catch (const FileError& error) {
            AddProblem(row, "stat.dat: " + error.Problem());
        }
    }
    return row;
}

} // namespace

const TestResult* BestResult(const std::vector<const TestResult*>& results) {
    const TestResult* best = nullptr;
    for (const TestResult* result : results)
        if (!best || Better(*result, *best))
            best = result;
    return best;
}

bool BackedByRuns(const TestResult& result, const CStatRecordArray& runs) {
    return std::any_of(runs.begin(), runs.end(), [&](const StatRecord& run) {
        return RunKey(run) == result.runKey || SameMeasures(result, run);
    });
}

std::vector<ClassTestRow> MakeClassTestTable(const PupilsFolder& pupils, const ClassTest& test) {
    const PupilScan scan = ScanPupils(pupils);
    if (scan.folderProblem)
        throw *scan.folderProblem;
    const TestResults results = ReadTestResults(pupils, test.id);
    const AttemptLedger ledger = AttemptLedger::Read(pupils, test.id);
    std::vector<ClassTestRow> rows;
    for (const std::string& pupil : scan.names)
        rows.push_back(MakeRow(pupils, test, pupil, results, ledger));
    for (const UnlistedPupil& unlisted : scan.unlisted) {
        ClassTestRow row;
        row.pupil = unlisted.pupil;
        row.folderName = unlisted.folderName;
        row.problem = unlisted.problem;
        rows.push_back(std::move(row));
    }
    std::stable_sort(rows.begin(), rows.end(), [](const ClassTestRow& a, const ClassTestRow& b) {
        return PolishLessCp1250(a.pupil, b.pupil);
    });
    return rows;
}

std::string RowRemarks(const ClassTestRow& row) {
    std::vector<std::string> remarks;
    if (!row.best && row.problem.empty())
        remarks.push_back("nie pisał(a)");
    if (row.doubtful)
        remarks.push_back("wątpliwy");
    if (row.best && row.best->endedEarly)
        remarks.push_back("przerwany");
    if (!row.problem.empty())
        remarks.push_back(row.problem);
    std::string text;
    for (const std::string& remark : remarks)
        text += (text.empty() ? "" : ", ") + remark;
    return text;
}
