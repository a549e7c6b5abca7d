// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/LessonSummary.h"

#include "platform/Cp1250.h"
#include "platform/Format.h"

#include <cmath>

namespace {

constexpr double kDaysPerMonth = 30.0;
constexpr double kForecastLimit = 500.0;

double AverageSpeed(const ShownRuns& runs) {
    double sum = 0.0;
    for (const ShownRun& run : runs)
        sum += run.charsPerMinute;
    return sum / static_cast<double>(runs.size());
}

// Speed gained per day between the first and the last run. Runs within one
// day of each other say nothing about a daily trend, so they gain nothing.
double DailyGain(const ShownRun& first, const ShownRun& last, double spanDays) {
    if (!(std::trunc(spanDays) > 0.0))
        return 0.0;
    return (last.charsPerMinute - first.charsPerMinute) / spanDays;
}

double MonthForecast(double gain, const ShownRun& last) {
    const double forecast = gain * kDaysPerMonth + last.charsPerMinute;
    return forecast > kForecastLimit ? kForecastLimit : forecast;
}

std::string RunsText(const std::string& lesson, const ShownRuns& runs, double spanDays) {
    return Utf8ToCp1250("Nazwa ćwiczenia: ") + lesson + Utf8ToCp1250("\nIlość ćwiczeń: ") +
           FormatInt(static_cast<int>(runs.size())) +
           "\nStatystyki od: " + runs.front().date.FormatDayMonthYear() +
           "   do: " + runs.back().date.FormatDayMonthYear() + Utf8ToCp1250("\nŁącznie: ") +
           FormatG(spanDays) + " dni";
}

std::string ProgressText(const ShownRuns& runs, double spanDays) {
    const double gain = DailyGain(runs.front(), runs.back(), spanDays);
    return Utf8ToCp1250("średnio: ") + FormatG(AverageSpeed(runs)) +
           "\nWynik najlepszy: " + FormatG(BestSpeed(runs)) + Utf8ToCp1250("\nKaźdego dnia o: ") +
           FormatG(gain) + " zn\\min. lepiej" +
           Utf8ToCp1250("\nW tym tempie za miesiąc będzie to: ") +
           FormatG(MonthForecast(gain, runs.back())) + " zn.\\min.";
}

} // namespace

double BestSpeed(const ShownRuns& runs) {
    double best = 0.0;
    for (const ShownRun& run : runs)
        if (run.charsPerMinute > best)
            best = run.charsPerMinute;
    return best;
}

std::optional<LessonSummary> SummariseLesson(const std::string& lesson, const ShownRuns& runs) {
    if (runs.empty())
        return std::nullopt;
    const double spanDays = runs.back().date.LinearDays() - runs.front().date.LinearDays();
    return LessonSummary{RunsText(lesson, runs, spanDays), ProgressText(runs, spanDays)};
}
