// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/TestRunSoFar.h"

#include "classtests/KeyValueText.h"
#include "classtests/TestFolders.h"
#include "classtests/WaitingTestResults.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"

#include <filesystem>

namespace {

constexpr std::string_view kFirstLine = "tastrum przebieg 1";
constexpr std::string_view kExtension = ".trwa";
constexpr size_t kMaxBytes = 4096;

std::string PathOf(const std::string& outbox, const TestRunSoFar& soFar) {
    return WaitingTestFolder(outbox, soFar.testId) + "/" +
           PupilNumberName(soFar.pupil, soFar.attempt) + std::string(kExtension);
}

std::string Encode(const TestRunSoFar& soFar) {
    const StatRecord& run = soFar.run;
    return std::string(kFirstLine) + "\nsprawdzian=" + soFar.testId +
           "\nuczen=" + Cp1250ToUtf8(soFar.pupil) + "\npodejscie=" + std::to_string(soFar.attempt) +
           "\nlekcja=" + Cp1250ToUtf8(run.lesson) + "\ndata=" + FormatNumber(run.date.Value()) +
           "\nznakow=" + FormatNumber(run.charsPerMinute) +
           "\nbledow=" + FormatNumber(run.errorPercent) +
           "\nnieprzepisane=" + FormatNumber(run.reservedValue1) +
           "\nsekundy=" + std::to_string(soFar.secondsUsed) + "\n";
}

TestRunSoFar Parse(const std::string& bytes, const std::string& path) {
    const std::vector<std::string> lines = SplitLines(bytes);
    KeyValues values(path, "zapis przebiegu sprawdzianu");
    if (lines.empty() || lines.front() != kFirstLine)
        values.ThrowDamaged("to nie jest zapis przebiegu sprawdzianu");
    values.Read(lines, 1, {});
    TestRunSoFar soFar;
    soFar.testId = values.Required("sprawdzian");
    soFar.pupil = Utf8ToCp1250(values.Required("uczen"));
    soFar.attempt = values.RequiredParsed<int>("podejscie", ParseNumber<int>);
    soFar.run.lesson = Utf8ToCp1250(values.Required("lekcja"));
    soFar.run.date = COleDateTime(values.RequiredParsed<double>("data", ParseNumber<double>));
    soFar.run.charsPerMinute = values.RequiredParsed<double>("znakow", ParseNumber<double>);
    soFar.run.errorPercent = values.RequiredParsed<double>("bledow", ParseNumber<double>);
    soFar.run.reservedValue1 = values.RequiredParsed<double>("nieprzepisane", ParseNumber<double>);
    soFar.secondsUsed = values.RequiredParsed<int>("sekundy", ParseNumber<int>);
    values.ThrowUnlessAllTaken();
    return soFar;
}

} // namespace

void KeepTestRunSoFar(const std::string& outbox, const TestRunSoFar& soFar) {
    const std::string path = PathOf(outbox, soFar);
    std::error_code error;
    std::filesystem::create_directories(WaitingTestFolder(outbox, soFar.testId), error);
    if (error)
        throw FileError(path, "nie można utworzyć folderu: " + error.message());
    WriteFileAtomically(path, Encode(soFar));
}

void ForgetTestRunSoFar(const std::string& outbox, const TestRunSoFar& soFar) {
    std::error_code ignored;
    std::filesystem::remove(PathOf(outbox, soFar), ignored);
}

std::vector<TestRunSoFar> TestRunsLeftSoFar(const std::string& outbox) {
    std::vector<TestRunSoFar> left;
    try {
        for (const std::string& testId : WaitingTestIds(outbox))
            for (const std::string& name : FileNames(WaitingTestFolder(outbox, testId))) {
                if (!name.ends_with(kExtension))
                    continue;
                const std::string path = WaitingTestFolder(outbox, testId) + "/" + name;
                try {
                    left.push_back(Parse(ReadBinaryFile(path, kMaxBytes), path));
                } catch (const FileError&) {
                }
            }
    } catch (const FileError&) {
    }
    return left;
}
