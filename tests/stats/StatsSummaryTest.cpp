// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/BarDetails.h"
#include "stats/CharErrorRanking.h"
#include "stats/LessonHistory.h"
#include "stats/LessonSummary.h"

#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

StatRecord MakeRun(const std::string& lesson, COleDateTime date, double speed,
                   double percent = 0.0) {
    StatRecord run;
    run.lesson = lesson;
    run.date = date;
    run.charsPerMinute = speed;
    run.errorPercent = percent;
    return run;
}

COleDateTime March(int day, int hour) {
    return COleDateTime::FromDateTime(2026, 3, day, hour);
}

struct SummaryInUtf8 {
    std::string runs, progress;
};

SummaryInUtf8 Summarise(const std::string& lessonUtf8, std::initializer_list<StatRecord> runs) {
    ShownRuns shown;
    for (const StatRecord& run : runs)
        shown.push_back(ShownRunOf(run));
    const auto summary = SummariseLesson(Utf8ToCp1250(lessonUtf8), shown);
    if (!summary)
        return {};
    return {Cp1250ToUtf8(summary->runsText), Cp1250ToUtf8(summary->progressText)};
}

std::string Progress(const std::string& average, const std::string& best, const std::string& gain,
                     const std::string& forecast) {
    return "średnio: " + average + "\nWynik najlepszy: " + best + "\nKaźdego dnia o: " + gain +
           " zn\\min. lepiej\nW tym tempie za miesiąc będzie to: " + forecast + " zn.\\min.";
}

} // namespace

TEST(MostMistypedChars, ListsTheTenHighestCountsInTheOrderTheShellSortLeavesTies) {
    const CharErrorArray errors{{'a', 1}, {'b', 3}, {'c', 2}, {'d', 3}, {'e', 1}, {'f', 5},
                                {'g', 3}, {'h', 2}, {'i', 1}, {'j', 3}, {'k', 2}, {'l', 4}};
    EXPECT_EQ(Cp1250ToUtf8(FormatMostMistypedChars(errors)),
              "Ogółem, najwięcej problemów sprawiają znaki:\r\n"
              "f ,l ,g ,b ,d ,j ,c ,k ,h ,a ,");
}

TEST(MostMistypedChars, ShowsFewCharactersAsTheyAreAndTheHeadingAloneForNone) {
    const std::string heading = "Ogółem, najwięcej problemów sprawiają znaki:\r\n";
    EXPECT_EQ(Cp1250ToUtf8(FormatMostMistypedChars({})), heading);
    const CharErrorArray polish{{Utf8ToCp1250("ą")[0], 2}, {'z', 7}};
    EXPECT_EQ(Cp1250ToUtf8(FormatMostMistypedChars(polish)), heading + "z ,ą ,");
}

// The list names each spelling once; either spelling (Polish capitals
// included) shows the runs of all of them, in stored order, with values a
// window can show.
TEST(LessonHistory, ListsEachExactNameOnceAndGivesTheRunsOfALessonInAnyCase) {
    CPupilStats stats;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    stats.push_back(MakeRun("wiersze", March(1, 8), 100, 1));
    stats.push_back(MakeRun("\xA3\xB9ka", March(1, 8), 50, 2)); // Łąka
    stats.push_back(MakeRun("Wiersze", March(1, 8), -3, nan));
    stats.push_back(MakeRun("abc", March(1, 8), 70, 3));
    stats.push_back(MakeRun("WIERSZE", March(1, 8), 90, 150));
    stats.push_back(MakeRun("\xA3\xA5KA", March(1, 8), 60, -1)); // ŁĄKA
    stats.AddCharErrors('x', 4);
    const CLessonHistory history(stats);

    EXPECT_EQ(history.LessonNames(),
              (StringList{"wiersze", "\xA3\xB9ka", "Wiersze", "abc", "WIERSZE", "\xA3\xA5KA"}));
    const ShownRuns& wiersze = history.RunsOf("wIeRsZe");
    ASSERT_EQ(wiersze.size(), 3u);
    EXPECT_EQ(wiersze[0], (ShownRun{March(1, 8), 100, 1}));
    EXPECT_EQ(wiersze[1], (ShownRun{March(1, 8), 0, 100}));
    EXPECT_EQ(wiersze[2], (ShownRun{March(1, 8), 90, 100}));
    const ShownRuns& laka = history.RunsOf(Utf8ToCp1250("łąka"));
    ASSERT_EQ(laka.size(), 2u);
    EXPECT_EQ(laka[1].errorPercent, 0);
    EXPECT_TRUE(history.RunsOf("wiersz").empty());
    EXPECT_EQ(history.CharErrors(), (CharErrorArray{{'x', 4}}));
    EXPECT_TRUE(CLessonHistory(CPupilStats{}).LessonNames().empty());
}

TEST(LessonSummary, NothingForALessonWithoutRuns) {
    EXPECT_FALSE(SummariseLesson("abc", {}).has_value());
    EXPECT_EQ(BestSpeed({}), 0.0);
}

TEST(LessonSummary, OneRunHasNoSpanNoGainAndItsOwnSpeedAsForecastUpTo500) {
    const SummaryInUtf8 one = Summarise("ćwiczenie 1", {MakeRun("x", March(15, 10), 120)});
    EXPECT_EQ(one.runs, "Nazwa ćwiczenia: ćwiczenie 1\nIlość ćwiczeń: 1\n"
                        "Statystyki od: 15-03-2026   do: 15-03-2026\nŁącznie: 0 dni");
    EXPECT_EQ(one.progress, Progress("120", "120", "0", "120"));

    EXPECT_EQ(Summarise("x", {MakeRun("x", March(15, 10), 612.5)}).progress,
              Progress("612.5", "612.5", "0", "500"));
}

TEST(LessonSummary, RunsLessThanADayApartGainNothing) {
    const SummaryInUtf8 summary =
        Summarise("x", {MakeRun("x", March(15, 10), 100), MakeRun("x", March(16, 9), 160)});
    EXPECT_EQ(summary.runs, "Nazwa ćwiczenia: x\nIlość ćwiczeń: 2\n"
                            "Statystyki od: 15-03-2026   do: 16-03-2026\nŁącznie: 0.958333 dni");
    EXPECT_EQ(summary.progress, Progress("130", "160", "0", "160"));
}

TEST(LessonSummary, GainDividesByTheExactSpanAndTheForecastStopsAt500) {
    const SummaryInUtf8 summary =
        Summarise("x", {MakeRun("x", March(15, 10), 100), MakeRun("x", March(16, 22), 130)});
    EXPECT_NE(summary.runs.find("\nŁącznie: 1.5 dni"), std::string::npos);
    EXPECT_EQ(summary.progress, Progress("115", "130", "20", "500"));
}

// Before 30-12-1899 a date value counts its day backwards and its time of
// day forwards: 29-12-1899 18:00 is -1.75, 30-12-1899 12:00 is 0.5.
TEST(LessonSummary, SpansBeforeTheEpochFollowTheDatesShown) {
    const SummaryInUtf8 summary = Summarise(
        "x", {MakeRun("x", COleDateTime(-1.75), 100), MakeRun("x", COleDateTime(0.5), 160)});
    EXPECT_EQ(summary.runs, "Nazwa ćwiczenia: x\nIlość ćwiczeń: 2\n"
                            "Statystyki od: 29-12-1899   do: 30-12-1899\nŁącznie: 0.75 dni");
    EXPECT_EQ(summary.progress, Progress("130", "160", "0", "160"));
}

TEST(LessonSummary, AFallingSpeedForecastsBelowTheLastRunWithoutLimit) {
    const SummaryInUtf8 summary =
        Summarise("x", {MakeRun("x", March(1, 12), 200), MakeRun("x", March(2, 0), 250),
                        MakeRun("x", March(3, 12), 100)});
    EXPECT_EQ(summary.progress, Progress("183.333", "250", "-50", "-1400"));
}

TEST(BarDetails, NamesNumberDateSpeedAndErrors) {
    EXPECT_EQ(Cp1250ToUtf8(FormatBarDetails(0, {March(15, 10), 120, 2.5})),
              "ćw.nr:0, data: 15-03-2026, zn\\min:120, błędów:2.5%");
    EXPECT_EQ(Cp1250ToUtf8(FormatBarDetails(29, {March(1, 0), 123.456789, 100})),
              "ćw.nr:29, data: 01-03-2026, zn\\min:123.457, błędów:100%");
}
