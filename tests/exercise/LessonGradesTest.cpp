// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/LessonGrades.h"
#include "exercise/LessonMark.h"
#include "platform/ProgramContext.h"

#include "platform/Cp1250.h"

#include <gtest/gtest.h>

namespace {

StatRecord RunOf(const std::string& lesson, double speed, double errors) {
    StatRecord run;
    run.lesson = lesson;
    run.charsPerMinute = speed;
    run.errorPercent = errors;
    run.date = COleDateTime::FromDateTime(2026, 12, 7, 10);
    return run;
}

} // namespace

// The lesson list, the class table and the report show the best grade a
// pupil ever had in a lesson, not the last one: a bad run after a good one
// takes nothing away. Grade 2 is a pass.
TEST(LessonGrades, TheBestGradeOfEveryLessonAndWhatIsPassed) {
    CStatRecordArray runs;
    for (const StatRecord& run :
         {RunOf("Lekcja 1", 150, 0), RunOf("LEKCJA 1", 50, 40), RunOf("Lekcja 2", 70, 0),
          RunOf(Utf8ToCp1250("Żółw"), 30, 0), RunOf("Lekcja 2", 90, 0), RunOf("Lekcja 4", 41, 0)})
        runs.push_back(run);
    const CLessonGrades grades(runs);
    EXPECT_EQ(grades.BestGrade("lekcja 1"), 5);
    EXPECT_EQ(grades.BestGrade("Lekcja 2"), 4);
    EXPECT_EQ(grades.BestGrade(Utf8ToCp1250("żÓŁW")), 1);
    EXPECT_EQ(grades.BestGrade("Lekcja 3"), 0);
    EXPECT_EQ(grades.BestGrade("Lekcja 4"), 2);
    EXPECT_TRUE(grades.Passed("Lekcja 4"));
    EXPECT_EQ(
        grades.PassedCount({"Lekcja 1", "Lekcja 2", Utf8ToCp1250("Żółw"), "Lekcja 3", "Lekcja 4"}),
        3);
}

// A run ended with "Koniec testu" keeps its grade in stat.dat, but only a
// run that reached the end of its text passes a lesson.
TEST(LessonGrades, ARunEndedEarlyPassesNothing) {
    StatRecord endedEarly = RunOf("Lekcja 1", 300, 0);
    endedEarly.reservedValue1 = 85.0;
    CStatRecordArray runs;
    runs.push_back(endedEarly);
    const CLessonGrades early(runs);
    EXPECT_EQ(early.BestGrade("Lekcja 1"), 0);
    EXPECT_FALSE(early.Passed("Lekcja 1"));
    EXPECT_TRUE(early.OnlyEndedEarly("lekcja 1"));
    EXPECT_FALSE(early.OnlyEndedEarly("Lekcja 2")) << "never tried";
    EXPECT_EQ(MarkForBestGrade(0, true).suffix, "  (przerwane)");

    runs.push_back(RunOf("Lekcja 1", 50, 0));
    const CLessonGrades both(runs);
    EXPECT_EQ(both.BestGrade("Lekcja 1"), 2) << "the finished run's grade, not the 5 ended early";
    EXPECT_FALSE(both.OnlyEndedEarly("Lekcja 1"));
}
