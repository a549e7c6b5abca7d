// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/Attempts.h"

#include "ClassTestFixture.h"
#include "classtests/ClassTestFile.h"
#include "platform/FileError.h"

#include <filesystem>
#include <set>
#include <thread>

namespace {

using namespace std::chrono;

class Attempts : public ClassTestFixture {
protected:
    Attempts() { m_test.id = AddClassTest(m_pupils, m_test); }

    std::optional<int> Start(const std::string& pupil) {
        return StartAttempt(m_pupils, m_test, pupil, ShareAt(2026y / December / 8));
    }

    TestResult ResultOf(const std::string& pupil, int attempt) const {
        StatRecord run;
        run.lesson = TestLessonName(m_test);
        run.charsPerMinute = 150;
        run.errorPercent = 2;
        run.date = COleDateTime::FromDateTime(2026, 12, 8, 9, 15, 30);
        return MakeTestResult(m_test, pupil, attempt, run, 120, false);
    }

    ClassTest m_test = MakeTest();
};

TEST_F(Attempts, APupilHasTheAttemptsAllowedAndTheExtraOnesTheTeacherGives) {
    EXPECT_EQ(Start("Ala"), 1);
    EXPECT_EQ(Start("Ala"), std::nullopt) << "one attempt allowed";
    EXPECT_EQ(Start("Bartek"), 1) << "each pupil has their own";
    AllowExtraAttempt(m_pupils, m_test.id, "Ala");
    EXPECT_EQ(Start("Ala"), 2);
    EXPECT_EQ(Start("Ala"), std::nullopt);
    const AttemptLedger ledger = AttemptLedger::Read(m_pupils, m_test.id);
    EXPECT_EQ(ledger.Used("Ala"), 2);
    EXPECT_EQ(ledger.Extra("Ala"), 1);
    EXPECT_EQ(ledger.Left(m_test, "Ala"), 0);
    EXPECT_EQ(ledger.Left(m_test, "Celina"), 1);
}

TEST_F(Attempts, AnAttemptLeftWithoutAResultCountsAndCanBeEndedLater) {
    ASSERT_EQ(Start("Ala"), 1);
    // The pupil closed the program during the test.
    EXPECT_EQ(Start("Ala"), std::nullopt);
    EXPECT_EQ(AttemptLedger::Read(m_pupils, m_test.id).WithoutResult("Ala"), std::vector{1});
    EXPECT_FALSE(EndOrphanedAttempt(m_pupils, m_test.id, ResultOf("Ala", 2)))
        << "attempt 2 was never started";
    ASSERT_TRUE(EndOrphanedAttempt(m_pupils, m_test.id, ResultOf("Ala", 1)));
    const TestResults results = ReadTestResults(m_pupils, m_test.id);
    ASSERT_EQ(results.results.size(), 1u);
    EXPECT_TRUE(results.results[0].endedEarly);
    EXPECT_FALSE(EndOrphanedAttempt(m_pupils, m_test.id, ResultOf("Ala", 1)))
        << "a result is never changed";
    EXPECT_TRUE(AttemptLedger::Read(m_pupils, m_test.id).WithoutResult("Ala").empty());
}

TEST_F(Attempts, AResultIsWrittenOnceAndReadsBack) {
    const TestResult result = ResultOf("Łucja-Maria", 1);
    ASSERT_TRUE(SaveTestResult(m_pupils, m_test.id, result));
    EXPECT_FALSE(SaveTestResult(m_pupils, m_test.id, ResultOf("Łucja-Maria", 1)));
    const TestResults results = ReadTestResults(m_pupils, m_test.id);
    ASSERT_EQ(results.results.size(), 1u);
    EXPECT_EQ(results.results[0], result);
    EXPECT_EQ(AttemptLedger::Read(m_pupils, m_test.id).Used("Łucja-Maria"), 1)
        << "a result counts even without its marker";
}

TEST_F(Attempts, ADamagedOrMisplacedResultIsReportedForItsPupil) {
    const std::string results = ClassTestFolder(m_pupils, m_test.id) + "/wyniki/";
    WriteFile(results + "Ala-1.txt", "tastrum wynik 1\nuczen=Ala\n");
    WriteFile(results + "Bartek-1.txt", EncodeTestResult(ResultOf("Celina", 1)));
    WriteFile(results + "notatki.txt", "nie wynik");
    const TestResults read = ReadTestResults(m_pupils, m_test.id);
    EXPECT_TRUE(read.results.empty());
    ASSERT_EQ(read.unreadable.size(), 2u);
    std::set<std::string> pupils;
    for (const UnreadableResult& unreadable : read.unreadable)
        pupils.insert(unreadable.pupil);
    EXPECT_EQ(pupils, (std::set<std::string>{"Ala", "Bartek"}));
}

TEST_F(Attempts, TwoComputersStartingAtOnceNeverShareAnAttempt) {
    m_test.attemptsAllowed = 20;
    SaveClassTest(m_pupils, m_test);
    std::vector<std::optional<int>> taken(8);
    std::vector<std::thread> computers;
    for (size_t i = 0; i < taken.size(); ++i)
        computers.emplace_back([&, i] {
            for (int n = 0; n < 3 && !taken[i]; ++n)
                taken[i] = Start("Ala");
        });
    for (std::thread& computer : computers)
        computer.join();
    std::set<int> numbers;
    for (const std::optional<int>& attempt : taken) {
        if (attempt) {
            EXPECT_TRUE(numbers.insert(*attempt).second) << "attempt " << *attempt << " twice";
        }
    }
    EXPECT_EQ(static_cast<int>(numbers.size()),
              AttemptLedger::Read(m_pupils, m_test.id).Used("Ala"));
}

TEST_F(Attempts, ATestIsOpenOnlyOnItsDaysByTheSharesClock) {
    const auto on = [&](year_month_day day) { return OpennessOf(m_test, ShareAt(day)()); };
    EXPECT_EQ(on(2026y / December / 6), TestOpenness::NotYet);
    EXPECT_EQ(on(2026y / December / 7), TestOpenness::Open);
    EXPECT_EQ(on(2026y / December / 11), TestOpenness::Open);
    EXPECT_EQ(on(2026y / December / 12), TestOpenness::Closed);
    // A pupil's computer set back to a day the test was open changes
    // nothing: the share says it is closed.
    EXPECT_EQ(StartAttempt(m_pupils, m_test, "Ala", ShareAt(2026y / December / 12)), std::nullopt);
    EXPECT_EQ(StartAttempt(m_pupils, m_test, "Ala", ShareAt(2026y / December / 6)), std::nullopt);
    EXPECT_TRUE(AttemptLedger::Read(m_pupils, m_test.id).WithoutResult("Ala").empty());
}

TEST_F(Attempts, TheShareTellsTheTimeWhenItCanBeWritten) {
    const ShareTime now = ShareNow(m_pupils);
    EXPECT_TRUE(now.fromShare);
    EXPECT_LE(std::abs(now.seconds - std::time(nullptr)), 5);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_pupils.path + "/Sprawdziany"),
                            std::filesystem::directory_iterator()),
              1)
        << "the file that told the time is gone";
    EXPECT_FALSE(ShareNow(PupilsFolder{m_folder / "nie-ma", false}).fromShare);
}

} // namespace
