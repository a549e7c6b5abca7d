// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/Grading.h"

#include "platform/Cp1250.h"
#include "platform/Format.h"

#include <array>
#include <cmath>

namespace {

constexpr int kLowestGrade = 1;
constexpr int kHighestGrade = 5;
constexpr double kErrorPointsPerGrade = 7;

// The speeds that grades 2 to 5 need to be exceeded.
constexpr std::array<double, 4> kSpeedsToExceed{40.0, 60.0, 80.0, 100.0};

int BaseGradeOf(double charsPerMinute) {
    int grade = kLowestGrade;
    for (const double threshold : kSpeedsToExceed)
        if (charsPerMinute > threshold)
            ++grade;
    return grade;
}

} // namespace

double SecondsOf(double ms) {
    return ms * 0.001;
}

double CharactersPerMinute(double correct, double ms) {
    return correct / SecondsOf(ms) * 60;
}

double ErrorPercentage(double typed, double errors) {
    return 100 / (typed / errors);
}

double ProgressPercentage(int modelKeystrokes, double typed) {
    return 100 / (modelKeystrokes / typed);
}

int ComputeGrade(double charsPerMinute, double errorPercentage) {
    const double value = BaseGradeOf(charsPerMinute) - errorPercentage * (1 / kErrorPointsPerGrade);
    // Any value that is not a finite number, an error percentage of minus
    // infinity from a foreign file included, falls to the lowest grade.
    if (!std::isfinite(value) || value < kLowestGrade)
        return kLowestGrade;
    if (value >= kHighestGrade)
        return kHighestGrade;
    return static_cast<int>(value);
}

double SpeedToExceedFor(int grade) {
    return kSpeedsToExceed[static_cast<size_t>(grade - kLowestGrade - 1)];
}

int GradeOfRun(const StatRecord& run) {
    return ComputeGrade(run.charsPerMinute, run.errorPercent);
}

std::string VerdictOf(int grade) {
    static const std::array<const char*, 5> kVerdicts{
        "Nie zaliczone. Wpisu do indeksu nie dostaniesz.",
        "Zaliczone, choć było słabo, ćwiczenie powinno być powtórzone.",
        "Zaliczone na dostateczny, dobrze byłoby powtórzyć ćwiczenie.",
        "Gratulacje! Zaliczone na dobry, możesz przejść do nastepnego ćwiczenia.",
        "Gratulacje! Zaliczone na bardzo dobry, możesz przejść do nastepnego ćwiczenia.",
    };
    if (grade < kLowestGrade || grade > kHighestGrade)
        return {};
    return Utf8ToCp1250(kVerdicts[grade - kLowestGrade]);
}

std::string ResultDetails(int grade, double seconds, double charsPerMinute, double errors) {
    return Utf8ToCp1250("Twoja ocena to: " + FormatInt(grade) + " (w skali od 1 do 5)" +
                        "\nCzas wykonania: " + FormatG(seconds) + " sekund" +
                        "\nZnaków na minutę: " + FormatG(charsPerMinute) +
                        "\nBłędów: " + FormatG(errors));
}
