// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/NextStep.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

// Each step names the speed its grade needs without errors: a run at that
// speed plus one, without errors, gets the grade.
TEST(NextStep, SaysWhatTheNextGradeNeedsAndWhatWentWrong) {
    EXPECT_EQ(NextStepText(1, 30, {}), "Do zaliczenia: ponad 40 znaków na minutę i bez błędów. Bez "
                                   "pomyłek.");
    EXPECT_EQ(NextStepText(3, 70, {{'e', 1}, {Utf8ToCp1250("ą")[0], 3}, {' ', 1}, {'\r', 2}}),
              "Do czwórki: ponad 80 znaków na minutę i bez błędów. Pomyłki: ą (3), Enter (2), "
              "e (1), spacja (1).");
    EXPECT_EQ(NextStepText(5, 120, {}), "Najwyższa ocena! Tak trzymaj. Bez pomyłek.");
    for (int grade = 2; grade <= kBestGrade; ++grade) {
        EXPECT_EQ(ComputeGrade(SpeedToExceedFor(grade) + 1, 0), grade);
        EXPECT_EQ(ComputeGrade(SpeedToExceedFor(grade), 0), grade - 1);
    }
    const std::string many = NextStepText(2, 50, {{'a', 1}, {'b', 1}, {'c', 1}, {'d', 1}, {'e', 1},
                                              {'f', 1}, {'g', 1}, {'h', 1}, {'i', 1}});
    EXPECT_TRUE(many.ends_with("h (1), …")) << many;
}

// When the speed is enough, the errors are what keeps the next grade away,
// and the line says so first.
TEST(NextStep, ErrorsThatBlockTheGradeComeFirst) {
    const char l = Utf8ToCp1250("ł")[0];
    EXPECT_EQ(NextStepText(3, 260, {{'a', 2}, {l, 19}}),
              "Do czwórki: bez błędów — ćwicz ł, a. Pomyłki: ł (19), a (2).");
    EXPECT_EQ(NextStepText(1, 45, {{' ', 4}}),
              "Do zaliczenia: bez błędów — ćwicz spację. Pomyłki: spacja (4).");
    EXPECT_EQ(NextStepText(3, 80, {{'a', 1}}),
              "Do czwórki: ponad 80 znaków na minutę i bez błędów. Pomyłki: a (1).");
}
