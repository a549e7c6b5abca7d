// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseStatus.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ExerciseStatus, StatusLineTexts) {
    EXPECT_EQ(TimeStatusText(12'700), "Czas: 12 sekund");
    EXPECT_EQ(Cp1250ToUtf8(SpeedStatusText(CharactersPerMinute(50, 12'700), true)),
              "Znaków\\min: 236.22");
    EXPECT_EQ(Cp1250ToUtf8(SpeedStatusText(0, false)), "Znaków\\min: 0 (zacznij pisać)");
    EXPECT_EQ(Cp1250ToUtf8(ErrorsStatusText(3)), "Błędów: 3");
    EXPECT_EQ(TimeStatusText(std::numeric_limits<double>::infinity()), "Czas: 0 sekund");
}

TEST(ExerciseStatus, ProgressFillStaysInsideTheFrame) {
    auto fill = ProgressFillOf(82, ProgressPercentage(4, 2));
    EXPECT_EQ(fill.x, 1);
    EXPECT_EQ(fill.y, 1);
    EXPECT_EQ(fill.width, 39);
    EXPECT_EQ(fill.height, 8);

    EXPECT_EQ(ProgressFillOf(82, 100).width, 80);
    EXPECT_EQ(ProgressFillOf(82, ProgressPercentage(4, 0)).width, 0);
    EXPECT_EQ(ProgressFillOf(82, ProgressPercentage(0, 0)).width, 0);
    EXPECT_EQ(ProgressFillOf(82, ProgressPercentage(0, 3)).width, 80);
}
