// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTest.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>

namespace {

// Long enough for any test's name, short enough for a table's column.
constexpr size_t kLongestName = 200;

bool Meets(const MarkLimit& limit, double charsPerMinute, double errorPercent) {
    return charsPerMinute >= limit.minSpeed && errorPercent <= limit.maxErrorPercent;
}

bool IsSensible(const MarkLimit& limit) {
    return std::isfinite(limit.minSpeed) && limit.minSpeed >= 0 &&
           std::isfinite(limit.maxErrorPercent) && limit.maxErrorPercent >= 0;
}

bool NameFitsCp1250(const std::string& name) {
    return Cp1250ToUtf8(Utf8ToCp1250(name)) == name;
}

bool HasControlCharacter(const std::string& utf8) {
    size_t pos = 0;
    while (pos < utf8.size())
        if (const std::optional<char32_t> c = DecodeUtf8(utf8, pos); !c || IsControlCharacter(*c))
            return true;
    return false;
}

} // namespace

int MarkOf(const ClassTest& test, double charsPerMinute, double errorPercent) {
    if (!test.ownMarks)
        return ComputeGrade(charsPerMinute, errorPercent);
    for (int mark = kHighestSchoolMark; mark > kLowestMark; --mark)
        if (Meets((*test.ownMarks)[mark - 1], charsPerMinute, errorPercent))
            return mark;
    return kLowestMark;
}

std::string TestLessonName(const ClassTest& test) {
    return Utf8ToCp1250("Sprawdzian: " + test.name);
}

std::string ClassTestProblem(const ClassTest& test) {
    if (test.name.empty() || test.name.size() > kLongestName || HasControlCharacter(test.name))
        return "nazwa sprawdzianu jest pusta, za długa albo ma znaki sterujące";
    if (!NameFitsCp1250(test.name))
        return "nazwa sprawdzianu ma znaki spoza polskiego alfabetu Windows-1250";
    if (std::all_of(test.lines.begin(), test.lines.end(),
                    [](const std::string& line) { return line.empty(); }))
        return "sprawdzian nie ma tekstu";
    if (test.timeLimitSeconds != kNoTimeLimit &&
        (test.timeLimitSeconds < kShortestTimeLimit || test.timeLimitSeconds > kLongestTimeLimit))
        return "czas sprawdzianu musi wynosić od 60 do 900 sekund albo 0 (do końca tekstu)";
    if (test.openFrom > test.openTo)
        return "sprawdzian kończy się, zanim się zaczyna";
    if (test.attemptsAllowed < 1 || test.attemptsAllowed > kMostAttempts)
        return "liczba podejść musi wynosić od 1 do 99";
    if (test.ownMarks && !std::all_of(test.ownMarks->begin(), test.ownMarks->end(), IsSensible))
        return "progi ocen muszą być liczbami nie mniejszymi od zera";
    return {};
}
