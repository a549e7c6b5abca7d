// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/LeftAttempts.h"

#include "ClassTestFixture.h"
#include "classtests/Attempts.h"
#include "classtests/ClassTestFile.h"
#include "classtests/TestRunSoFar.h"
#include "pupils/PupilStats.h"
#include "pupils/RunFiles.h"

#include <filesystem>

namespace {

using namespace std::chrono;

// A program that closed during a test left its attempt started and the
// run so far on this computer.
class LeftAttempts : public ClassTestFixture {
protected:
    LeftAttempts() {
        m_test.id = AddClassTest(m_pupils, m_test);
        std::filesystem::create_directories(m_folder / "Pupils/Ala");
    }

    TestRunSoFar StartAndKeep() {
        const std::optional<int> attempt =
            StartAttempt(m_pupils, m_test, "Ala", ShareAt(2026y / December / 8));
        TestRunSoFar soFar{m_test.id, "Ala", attempt.value(), {}, 42};
        soFar.run.lesson = TestLessonName(m_test);
        soFar.run.charsPerMinute = 123.25;
        soFar.run.errorPercent = 1.5;
        soFar.run.reservedValue1 = 60;
        soFar.run.date = COleDateTime::FromDateTime(2026, 12, 8, 9, 15, 30);
        KeepTestRunSoFar(m_outbox, soFar);
        return soFar;
    }

    ClassTest m_test = MakeTest();
    std::string m_outbox = m_folder / "outbox";
};

TEST_F(LeftAttempts, TheRunKeptSoFarBecomesAnEndedEarlyResultOnce) {
    const TestRunSoFar soFar = StartAndKeep();
    EXPECT_EQ(TestRunsLeftSoFar(m_outbox), std::vector{soFar});

    EXPECT_EQ(EndLeftAttempts(m_outbox, m_pupils), 1);
    const TestResults results = ReadTestResults(m_pupils, m_test.id);
    ASSERT_EQ(results.results.size(), 1u);
    EXPECT_TRUE(results.results[0].endedEarly);
    EXPECT_EQ(results.results[0].secondsUsed, 42);
    CPupilStats stats;
    stats.Load(m_folder / "Pupils/Ala/stat.dat");
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0], soFar.run) << "the result is backed by the stored run";
    EXPECT_EQ(results.results[0].runKey, RunKey(soFar.run));

    EXPECT_TRUE(TestRunsLeftSoFar(m_outbox).empty());
    EXPECT_EQ(EndLeftAttempts(m_outbox, m_pupils), 0);
}

TEST_F(LeftAttempts, AnAttemptThatGotItsResultKeepsIt) {
    const TestRunSoFar soFar = StartAndKeep();
    const TestResult own = MakeTestResult(m_test, "Ala", soFar.attempt, soFar.run, 50, false);
    ASSERT_TRUE(SaveTestResult(m_pupils, m_test.id, own));
    EXPECT_EQ(EndLeftAttempts(m_outbox, m_pupils), 0);
    EXPECT_EQ(ReadTestResults(m_pupils, m_test.id).results, std::vector{own});
    EXPECT_TRUE(TestRunsLeftSoFar(m_outbox).empty());
}

} // namespace
