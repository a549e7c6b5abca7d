// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/TestResult.h"

#include "classtests/ClassTestFile.h"
#include "classtests/KeyValueText.h"
#include "classtests/TestFolders.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "pupils/RunFiles.h"

namespace {

constexpr std::string_view kFirstLine = "tastrum wynik 1";
constexpr std::string_view kExtension = ".txt";
// A result is a dozen short lines.
constexpr size_t kMaxResultBytes = 4096;
constexpr int kLongestSeconds = 24 * 60 * 60;

// "2026-12-08T10:30:05", as FormatIso8601 writes it.
std::optional<COleDateTime> ParseIso8601(std::string_view text) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    int parts[6];
    constexpr size_t kStarts[6] = {0, 5, 8, 11, 14, 17};
    for (size_t i = 0; i < 6; ++i) {
        const std::optional<int> part = ParseNumber<int>(text.substr(kStarts[i], i ? 2 : 4));
        if (!part)
            return std::nullopt;
        parts[i] = *part;
    }
    const COleDateTime date =
        COleDateTime::FromDateTime(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]);
    if (date.FormatIso8601() != text)
        return std::nullopt;
    return date;
}

std::optional<bool> ParseFlag(std::string_view text) {
    if (text == "0" || text == "1")
        return text == "1";
    return std::nullopt;
}

std::optional<int> ParseInRange(std::string_view text, int lowest, int highest) {
    const std::optional<int> value = ParseNumber<int>(text);
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return value;
}

std::optional<std::string> ParsePupil(std::string_view text) {
    std::string pupil = Utf8ToCp1250(text);
    if (pupil.empty() || Cp1250ToUtf8(pupil) != text)
        return std::nullopt;
    return pupil;
}

std::string ResultsFolder(const PupilsFolder& pupils, const std::string& testId) {
    return ClassTestFolder(pupils, testId) + "/" + std::string(kResultsFolder);
}

} // namespace

TestResult MakeTestResult(const ClassTest& test, const std::string& pupil, int attempt,
                          const StatRecord& run, int secondsUsed, bool endedEarly) {
    return {pupil,
            attempt,
            run.date,
            run.charsPerMinute,
            run.errorPercent,
            MarkOf(test, run.charsPerMinute, run.errorPercent),
            endedEarly,
            secondsUsed,
            RunKey(run)};
}

std::string EncodeTestResult(const TestResult& result) {
    std::string text = std::string(kFirstLine) + "\n";
    text += "uczen=" + Cp1250ToUtf8(result.pupil) + "\n";
    text += "podejscie=" + std::to_string(result.attempt) + "\n";
    text += "data=" + result.date.FormatIso8601() + "\n";
    text += "predkosc=" + FormatNumber(result.charsPerMinute) + "\n";
    text += "bledy=" + FormatNumber(result.errorPercent) + "\n";
    text += "ocena=" + std::to_string(result.mark) + "\n";
    text += "przerwany=" + std::string(result.endedEarly ? "1" : "0") + "\n";
    text += "sekundy=" + std::to_string(result.secondsUsed) + "\n";
    text += "klucz=" + result.runKey + "\n";
    return text;
}

TestResult ParseTestResult(const std::string& bytes, const std::string& path) {
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.empty() || lines.front() != kFirstLine)
        throw FileError(path, "to nie jest plik wyniku sprawdzianu programu Tastrum");
    KeyValues values(path, "plik wyniku");
    if (!IsUtf8(bytes))
        values.ThrowDamaged("tekst nie jest zapisany w UTF-8");
    values.Read(lines, 1, {});
    TestResult result;
    result.pupil = values.RequiredParsed<std::string>("uczen", ParsePupil);
    result.attempt = values.RequiredParsed<int>("podejscie", [](std::string_view text) {
        return ParseInRange(text, 1, kMostAttempts * 100);
    });
    result.date = values.RequiredParsed<COleDateTime>("data", ParseIso8601);
    result.charsPerMinute = values.RequiredParsed<double>("predkosc", ParseNumber<double>);
    result.errorPercent = values.RequiredParsed<double>("bledy", ParseNumber<double>);
    result.mark = values.RequiredParsed<int>("ocena", [](std::string_view text) {
        return ParseInRange(text, kLowestMark, kHighestSchoolMark);
    });
    result.endedEarly = values.RequiredParsed<bool>("przerwany", ParseFlag);
    result.secondsUsed = values.RequiredParsed<int>(
        "sekundy", [](std::string_view text) { return ParseInRange(text, 0, kLongestSeconds); });
    result.runKey = values.Required("klucz");
    values.ThrowUnlessAllTaken();
    return result;
}

std::string TestResultPath(const PupilsFolder& pupils, const std::string& testId,
                           const std::string& pupil, int attempt) {
    return ResultsFolder(pupils, testId) + "/" + PupilNumberName(pupil, attempt) +
           std::string(kExtension);
}

bool SaveTestResult(const PupilsFolder& pupils, const std::string& testId,
                    const TestResult& result) {
    return CreateNewFile(TestResultPath(pupils, testId, result.pupil, result.attempt),
                         EncodeTestResult(result));
}

TestResults ReadTestResults(const PupilsFolder& pupils, const std::string& testId) {
    TestResults found;
    const std::string folder = ResultsFolder(pupils, testId);
    for (const std::string& name : FileNames(folder)) {
        if (!name.ends_with(kExtension))
            continue;
        const std::optional<PupilNumber> owner =
            ParsePupilNumberName(std::string_view(name).substr(0, name.size() - kExtension.size()));
        if (!owner)
            continue;
        const std::string path = folder + "/" + name;
        try {
            TestResult result = ParseTestResult(ReadBinaryFile(path, kMaxResultBytes), path);
            if (result.pupil != owner->pupil || result.attempt != owner->number)
                throw FileError(path, "plik wyniku nie pasuje do swojej nazwy");
            found.results.push_back(std::move(result));
        } catch (const FileError& error) {
            found.unreadable.push_back({owner->pupil, name + ": " + error.Problem()});
        }
    }
    return found;
}
