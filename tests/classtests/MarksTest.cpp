// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTest.h"

#include "ClassTestFixture.h"
#include "exercise/Grading.h"

#include <cmath>
#include <limits>

namespace {

using Marks = ClassTestFixture;

struct MarkCase {
    const char* what;
    double speed;
    double errors;
    int mark;
};

TEST_F(Marks, TheTeachersLimitsGiveTheHighestMarkBothLimitsAllow) {
    ClassTest test = MakeTest();
    test.ownMarks = OwnMarks{{{0, 100}, {80, 10}, {120, 5}, {160, 3}, {200, 1.5}, {260, 0.5}}};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const MarkCase& row : std::vector<MarkCase>{
             {"exactly at the limits of 6", 260, 0.5, 6},
             {"fast enough for 6, errors allow 5", 300, 1.5, 5},
             {"just under the speed of 2", 79.99, 0, 1},
             {"exactly at the speed of 2", 80, 10, 2},
             {"errors just over every limit but 1's", 500, 10.01, 1},
             {"no run at all", nan, nan, 1},
             {"errors of a run without keys", 0, 100, 1},
         })
        EXPECT_EQ(MarkOf(test, row.speed, row.errors), row.mark) << row.what;
}

TEST_F(Marks, WithoutOwnLimitsTheProgramsGradeMarksTheRun) {
    const ClassTest test = MakeTest();
    for (const MarkCase& row : std::vector<MarkCase>{
             {"a fast clean run", 400, 0, ComputeGrade(400, 0)},
             {"a slow run", 30, 0, ComputeGrade(30, 0)},
             {"a run full of errors", 200, 30, ComputeGrade(200, 30)},
         })
        EXPECT_EQ(MarkOf(test, row.speed, row.errors), row.mark) << row.what;
    EXPECT_EQ(MarkOf(test, 1000, 0), kBestGrade);
}

TEST_F(Marks, ARunIsStoredUnderTheTestsOwnLessonName) {
    EXPECT_EQ(TestLessonName(MakeTest("Dyktando ósme")), Utf8ToCp1250("Sprawdzian: Dyktando ósme"));
}

} // namespace
