// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/TestsToTake.h"

#include "ClassTestFixture.h"
#include "classtests/Attempts.h"
#include "classtests/ClassTestFile.h"
#include "classtests/WaitingTestResults.h"
#include "platform/BinaryFile.h"

namespace {

using namespace std::chrono;

class TestsToTakeTest : public ClassTestFixture {
protected:
    TestsToTakeTest() { m_test.id = AddClassTest(m_pupils, m_test); }

    std::vector<TestToTake> OfferedOn(year_month_day day) const {
        return TestsToTake(m_pupils, "Ala", ShareAt(day)());
    }

    TestResult ResultOf(int attempt) const {
        StatRecord run;
        run.lesson = TestLessonName(m_test);
        run.charsPerMinute = 150;
        run.date = COleDateTime::FromDateTime(2026, 12, 8, 9, 15, 30);
        return MakeTestResult(m_test, "Ala", attempt, run, 120, false);
    }

    ClassTest m_test = MakeTest();
};

TEST_F(TestsToTakeTest, ATestIsOfferedWhileOpenAndWithAttemptsLeft) {
    EXPECT_TRUE(OfferedOn(2026y / December / 6).empty()) << "not open yet";
    EXPECT_TRUE(OfferedOn(2026y / December / 12).empty()) << "closed";
    const std::vector<TestToTake> offered = OfferedOn(2026y / December / 11);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].test, m_test);
    EXPECT_EQ(offered[0].attemptsLeft, 1);
    EXPECT_EQ(TestToTakeText(offered[0]),
              "Sprawdzian: Dyktando ósme — do piątku 11.12, 1 podejście");

    ASSERT_EQ(StartAttempt(m_pupils, m_test, "Ala", ShareAt(2026y / December / 8)), 1);
    EXPECT_TRUE(OfferedOn(2026y / December / 8).empty()) << "its one attempt is taken";
    EXPECT_EQ(TestsToTake(m_pupils, "Bartek", ShareAt(2026y / December / 8)()).size(), 1u);
}

TEST_F(TestsToTakeTest, ADamagedTestIsNotOffered) {
    WriteFileAtomically(ClassTestFolder(m_pupils, m_test.id) + "/sprawdzian.txt", "zepsuty");
    EXPECT_TRUE(OfferedOn(2026y / December / 8).empty());
}

TEST(AttemptsText, TakesThePolishPlural) {
    EXPECT_EQ(AttemptsText(1), "1 podejście");
    EXPECT_EQ(AttemptsText(2), "2 podejścia");
    EXPECT_EQ(AttemptsText(4), "4 podejścia");
    EXPECT_EQ(AttemptsText(5), "5 podejść");
    EXPECT_EQ(AttemptsText(12), "12 podejść");
    EXPECT_EQ(AttemptsText(22), "22 podejścia");
    EXPECT_EQ(AttemptsText(11), "11 podejść");
}

TEST_F(TestsToTakeTest, AWaitingResultIsSavedOnceWhenTheShareIsBack) {
    const std::string outbox = m_folder / "outbox";
    ASSERT_EQ(StartAttempt(m_pupils, m_test, "Ala", ShareAt(2026y / December / 8)), 1);
    KeepTestResultWaiting(outbox, m_test.id, ResultOf(1));
    EXPECT_TRUE(ReadTestResults(m_pupils, m_test.id).results.empty());

    EXPECT_EQ(DeliverWaitingTestResults(outbox, m_pupils), 1);
    EXPECT_EQ(ReadTestResults(m_pupils, m_test.id).results, std::vector{ResultOf(1)});
    EXPECT_EQ(DeliverWaitingTestResults(outbox, m_pupils), 0) << "delivered once";
}

TEST_F(TestsToTakeTest, AWaitingResultWaitsOnWhileItsTestCannotBeReached) {
    const std::string outbox = m_folder / "outbox";
    ClassTest elsewhere = m_test;
    elsewhere.id = "nieznany";
    KeepTestResultWaiting(outbox, elsewhere.id, ResultOf(1));
    EXPECT_EQ(DeliverWaitingTestResults(outbox, m_pupils), 0);
    EXPECT_EQ(DeliverWaitingTestResults(outbox, m_pupils), 0) << "still waiting, not lost";
}

} // namespace
