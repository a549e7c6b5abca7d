// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/Attempts.h"

#include "classtests/ClassTestFile.h"
#include "classtests/TestFolders.h"
#include "platform/BinaryFile.h"
#include "platform/FolderScan.h"

#include <algorithm>

namespace {

constexpr std::string_view kResultExtension = ".txt";
constexpr std::string_view kStartedMark = "tastrum rozpoczete 1\n";
constexpr std::string_view kExtraMark = "tastrum dodatkowe 1\n";
// Each loss of a race means another computer took a number meanwhile.
constexpr int kMostTries = 100;

std::string FolderOfTest(const PupilsFolder& pupils, const std::string& testId,
                         std::string_view part) {
    return ClassTestFolder(pupils, testId) + "/" + std::string(part);
}

// The pupil's numbers the names of a folder's entries give.
std::map<std::string, std::set<int>> NumbersIn(const std::string& folder,
                                               std::string_view extension) {
    std::map<std::string, std::set<int>> numbers;
    for (const std::string& name : FileNames(folder)) {
        if (!name.ends_with(extension))
            continue;
        const std::string_view stem =
            std::string_view(name).substr(0, name.size() - extension.size());
        if (const std::optional<PupilNumber> owner = ParsePupilNumberName(stem))
            numbers[owner->pupil].insert(owner->number);
    }
    return numbers;
}

} // namespace

AttemptLedger AttemptLedger::Read(const PupilsFolder& pupils, const std::string& testId) {
    AttemptLedger ledger;
    ledger.m_started = NumbersIn(FolderOfTest(pupils, testId, kStartedFolder), {});
    ledger.m_results = NumbersIn(FolderOfTest(pupils, testId, kResultsFolder), kResultExtension);
    ledger.m_extra = NumbersIn(FolderOfTest(pupils, testId, kExtraFolder), {});
    return ledger;
}

const std::set<int>& AttemptLedger::Of(const Numbers& numbers, const std::string& pupil) {
    static const std::set<int> none;
    const auto found = numbers.find(pupil);
    return found == numbers.end() ? none : found->second;
}

int AttemptLedger::Used(const std::string& pupil) const {
    std::set<int> used = Of(m_started, pupil);
    used.insert(Of(m_results, pupil).begin(), Of(m_results, pupil).end());
    return static_cast<int>(used.size());
}

int AttemptLedger::Extra(const std::string& pupil) const {
    return static_cast<int>(Of(m_extra, pupil).size());
}

int AttemptLedger::Left(const ClassTest& test, const std::string& pupil) const {
    return std::max(0, test.attemptsAllowed + Extra(pupil) - Used(pupil));
}

std::vector<int> AttemptLedger::WithoutResult(const std::string& pupil) const {
    std::vector<int> orphaned;
    for (const int attempt : Of(m_started, pupil))
        if (!Of(m_results, pupil).contains(attempt))
            orphaned.push_back(attempt);
    return orphaned;
}

int AttemptLedger::Next(const std::string& pupil) const {
    const std::set<int>& started = Of(m_started, pupil);
    const std::set<int>& results = Of(m_results, pupil);
    return std::max(started.empty() ? 0 : *started.rbegin(),
                    results.empty() ? 0 : *results.rbegin()) +
           1;
}

std::optional<int> StartAttempt(const PupilsFolder& pupils, const ClassTest& test,
                                const std::string& pupil, const TimeSource& now) {
    if (OpennessOf(test, now()) != TestOpenness::Open)
        return std::nullopt;
    const std::string folder = FolderOfTest(pupils, test.id, kStartedFolder);
    for (int tries = 0; tries < kMostTries; ++tries) {
        // Read again after each lost race: the attempt another computer
        // took may have been the last one left.
        const AttemptLedger ledger = AttemptLedger::Read(pupils, test.id);
        if (ledger.Left(test, pupil) == 0)
            return std::nullopt;
        const int attempt = ledger.Next(pupil);
        if (CreateNewFile(folder + "/" + PupilNumberName(pupil, attempt), kStartedMark))
            return attempt;
    }
    return std::nullopt;
}

void AllowExtraAttempt(const PupilsFolder& pupils, const std::string& testId,
                       const std::string& pupil) {
    const std::string folder = FolderOfTest(pupils, testId, kExtraFolder);
    const std::set<int> given = NumbersIn(folder, {})[pupil];
    int number = given.empty() ? 1 : *given.rbegin() + 1;
    while (!CreateNewFile(folder + "/" + PupilNumberName(pupil, number), kExtraMark))
        ++number;
}

bool EndOrphanedAttempt(const PupilsFolder& pupils, const std::string& testId, TestResult result) {
    const std::string marker = FolderOfTest(pupils, testId, kStartedFolder) + "/" +
                               PupilNumberName(result.pupil, result.attempt);
    if (!PathIsPresent(marker))
        return false;
    result.endedEarly = true;
    return SaveTestResult(pupils, testId, result);
}
