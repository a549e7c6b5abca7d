// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseSession.h"
#include "exercise/Grading.h"

#include <gtest/gtest.h>

namespace {

// A session on a clock that moves only when the test says so.
class ExerciseSessionTest : public testing::Test {
protected:
    void Type(const std::string& keys) {
        for (const char key : keys)
            m_session.OnChar(key);
    }

    int64_t m_now = 0;
    CExerciseSession m_session{TickSource{[this] { return m_now; }, 1000}};
};

} // namespace

TEST_F(ExerciseSessionTest, AFinishedRunGivesItsFiguresGradeAndRecordOnce) {
    m_session.SetLines({"asdf", "jkl"});
    EXPECT_FALSE(m_session.IsEmpty());
    m_now = 500; // the stopwatch starts at the first key, not before
    Type("asdx");
    m_now = 3500;
    Type("\bf\rjkl\r");
    m_now = 9000; // after the end the clock no longer counts

    ASSERT_TRUE(m_session.IsFinished());
    const COleDateTime when = COleDateTime::FromDateTime(2026, 12, 7, 10, 0);
    const ExerciseOutcome outcome = m_session.Outcome("Lekcja 1", when);
    EXPECT_EQ(outcome.counts.correct, 8);
    EXPECT_EQ(outcome.counts.errors, 1);
    EXPECT_EQ(outcome.counts.typed, 8);
    EXPECT_DOUBLE_EQ(outcome.counts.elapsedMs, 3000);
    EXPECT_DOUBLE_EQ(outcome.charsPerMinute, 160);
    EXPECT_EQ(outcome.charErrors, (CharErrorArray{{'f', 1}}));
    EXPECT_EQ(outcome.record.lesson, "Lekcja 1");
    EXPECT_EQ(outcome.record.date, when);
    EXPECT_DOUBLE_EQ(outcome.record.charsPerMinute, 160);
    EXPECT_DOUBLE_EQ(outcome.record.errorPercent, 12.5);
    EXPECT_EQ(outcome.grade, 3);
    EXPECT_EQ(outcome.grade, GradeOfRun(outcome.record));
}

TEST_F(ExerciseSessionTest, NothingTypedOrAllWrongGradesOne) {
    m_session.SetLines({"a"});
    ExerciseOutcome untouched = m_session.Outcome("x", {});
    EXPECT_EQ(untouched.record.errorPercent, 0);
    EXPECT_EQ(untouched.grade, 1);

    Type("xx");
    m_now = 100;
    const ExerciseOutcome wrong = m_session.Outcome("x", {});
    EXPECT_EQ(wrong.record.errorPercent, 100);
    EXPECT_EQ(wrong.grade, 1);
}

// Each character is measured once, at the first try: right or wrong, and
// the time since the key before it; corrections and long rests add nothing.
TEST_F(ExerciseSessionTest, EveryCharacterIsMeasuredAtItsFirstTry) {
    m_session.SetLines({"abc", "de"});
    const auto typeAt = [this](int64_t ms, const std::string& keys) {
        m_now = ms;
        Type(keys);
    };
    typeAt(100, "a");
    typeAt(400, "x");  // b wrong at the first try
    typeAt(500, "\b"); // corrected: no second measurement of b
    typeAt(700, "b");
    typeAt(900, "c");
    typeAt(1000, "d"); // Enter refused: a wrong first try of the line end
    typeAt(1200, "\r");
    typeAt(7300, "d"); // after a rest of over 5 seconds
    typeAt(7500, "e\r");
    EXPECT_EQ(m_session.Outcome("", {}).keyPresses,
              (std::vector<KeyPress>{{'a', true, -1},
                                     {'b', false, 300},
                                     {'c', true, 200},
                                     {'\r', false, 100},
                                     {'d', true, -1},
                                     {'e', true, 200},
                                     {'\r', true, 0}}));
}
