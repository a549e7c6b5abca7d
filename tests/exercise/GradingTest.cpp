// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/Grading.h"

#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Grading, GradeFollowsSpeedAndErrorPercentage) {
    struct Case {
        double speed, errors;
        int grade;
    };
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {40, 0, 1},      {40.01, 0, 2},   {60.5, 0, 3},   {80.5, 0, 4},    {100, 0, 4},
        {100.5, 0, 5},   {120, 7, 4},     {120, 7.01, 3}, {90, 0.01, 3},   {90, 1.5, 3},
        {50, 14, 1},     {120, 28, 1},    {kNan, 0, 1},   {120, kNan, 1},  {kInf, 0, 5},
        {120, kInf, 1},  {kInf, kInf, 1}, {-kInf, 0, 1},  {120, 1e300, 1}, {120, -1e300, 5},
        {120, -kInf, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeGrade(c.speed, c.errors), c.grade) << c.speed << " " << c.errors;
}

TEST(Grading, Measures) {
    EXPECT_DOUBLE_EQ(CharactersPerMinute(50, 12'700), 50 / 12.7 * 60);
    EXPECT_EQ(ErrorPercentage(200, 0), 0);
    EXPECT_DOUBLE_EQ(ErrorPercentage(200, 3), 1.5);
    EXPECT_TRUE(std::isnan(ErrorPercentage(0, 0)));
    EXPECT_EQ(ComputeGrade(CharactersPerMinute(0, 0), ErrorPercentage(0, 0)), 1);
    EXPECT_DOUBLE_EQ(ProgressPercentage(4, 2), 50);
}

TEST(Grading, VerdictsAndResultText) {
    EXPECT_EQ(Cp1250ToUtf8(VerdictOf(1)), "Nie zaliczone. Wpisu do indeksu nie dostaniesz.");
    EXPECT_EQ(Cp1250ToUtf8(VerdictOf(5)),
              "Gratulacje! Zaliczone na bardzo dobry, możesz przejść do nastepnego ćwiczenia.");
    EXPECT_EQ(Cp1250ToUtf8(ResultDetails(4, 61.234, 123.456, 2)),
              "Twoja ocena to: 4 (w skali od 1 do 5)\nCzas wykonania: 61.234 sekund\n"
              "Znaków na minutę: 123.456\nBłędów: 2");
}
