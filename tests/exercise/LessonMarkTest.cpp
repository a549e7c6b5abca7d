// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/LessonMark.h"

#include <gtest/gtest.h>

TEST(LessonMark, FailedLessonsAreRedAndPassedOnesBrighterBlueWithTheGrade) {
    for (int grade : {0, 1}) {
        const LessonMark mark = MarkForBestGrade(grade);
        EXPECT_EQ(mark.suffix, "  (nie zaliczone)");
        EXPECT_EQ((std::tuple{mark.red, mark.green, mark.blue}), (std::tuple{200, 50, 50}));
    }
    const int blues[] = {130, 170, 210, 250};
    for (int grade = 2; grade <= 5; ++grade) {
        const LessonMark mark = MarkForBestGrade(grade);
        EXPECT_EQ(mark.suffix, "  (zaliczone na " + std::to_string(grade) + ")");
        EXPECT_EQ((std::tuple{mark.red, mark.green, mark.blue}),
                  (std::tuple{0, 0, blues[grade - 2]}));
    }
}
