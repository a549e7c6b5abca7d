// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTestTable.h"

#include "ClassTestFixture.h"
#include "classtests/Attempts.h"
#include "classtests/ClassTestCsv.h"
#include "classtests/ClassTestFile.h"
#include "pupils/PupilStats.h"
#include "pupils/StatFile.h"

namespace {

using namespace std::chrono;

class ClassTestTable : public ClassTestFixture {
protected:
    ClassTestTable() {
        m_test.attemptsAllowed = 2;
        m_test.id = AddClassTest(m_pupils, m_test);
    }

    StatRecord Run(double speed, double errors, int minute) const {
        StatRecord run;
        run.lesson = TestLessonName(m_test);
        run.charsPerMinute = speed;
        run.errorPercent = errors;
        run.date = COleDateTime::FromDateTime(2026, 12, 8, 10, minute, 0);
        return run;
    }

    // The pupil took the test: the run in stat.dat and its result.
    void Took(const std::string& pupil, const std::vector<StatRecord>& runs) {
        CPupilStats stats;
        for (const StatRecord& run : runs) {
            stats.push_back(run);
            const std::optional<int> attempt =
                StartAttempt(m_pupils, m_test, pupil, ShareAt(2026y / December / 8));
            ASSERT_TRUE(attempt);
            ASSERT_TRUE(SaveTestResult(m_pupils, m_test.id,
                                       MakeTestResult(m_test, pupil, *attempt, run, 200, false)));
        }
        WriteFile(m_pupils.path + "/" + Cp1250ToUtf8(pupil) + "/stat.dat", EncodeStatFile(stats));
    }

    ClassTest m_test = MakeTest();
};

TEST_F(ClassTestTable, EveryPupilHasARowWithTheBestAttempt) {
    Took(Utf8ToCp1250("Żaneta"), {Run(150, 2, 1), Run(250, 1, 20)});
    Took("Adam", {Run(100, 30, 5)});
    WriteFile(m_pupils.path + "/Ola/stat.dat", EncodeStatFile({}));

    const std::vector<ClassTestRow> rows = MakeClassTestTable(m_pupils, m_test);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].pupil, "Adam");
    EXPECT_EQ(rows[0].best->mark, 1);
    EXPECT_EQ(rows[1].pupil, "Ola");
    EXPECT_FALSE(rows[1].best);
    EXPECT_EQ(RowRemarks(rows[1]), "nie pisał(a)");
    EXPECT_EQ(rows[1].attemptsAllowed, 2);
    EXPECT_EQ(Cp1250ToUtf8(rows[2].pupil), "Żaneta");
    EXPECT_EQ(rows[2].best->charsPerMinute, 250);
    EXPECT_EQ(rows[2].best->attempt, 2);
    EXPECT_EQ(rows[2].attemptsUsed, 2);
    EXPECT_FALSE(rows[2].doubtful);
    EXPECT_EQ(RowRemarks(rows[2]), "");
}

// A pupil's account can write the results folder but not another's
// stat.dat through the program; a result that stat.dat does not back is
// shown as doubtful.
TEST_F(ClassTestTable, AResultWithoutItsRunIsDoubtful) {
    Took("Adam", {Run(150, 2, 1)});
    StatRecord forged = Run(600, 0, 2);
    ASSERT_TRUE(
        SaveTestResult(m_pupils, m_test.id, MakeTestResult(m_test, "Adam", 2, forged, 60, false)));
    const std::vector<ClassTestRow> rows = MakeClassTestTable(m_pupils, m_test);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].best->charsPerMinute, 600);
    EXPECT_TRUE(rows[0].doubtful);
    EXPECT_EQ(RowRemarks(rows[0]), "wątpliwy");

    // The run stored under other fields' bits but the same measures backs it.
    CStatRecordArray runs;
    runs.push_back(forged);
    runs.back().lesson = "inna";
    EXPECT_TRUE(BackedByRuns(*rows[0].best, runs));
}

TEST_F(ClassTestTable, ARowSaysWhyItsFilesCannotBeRead) {
    Took("Adam", {Run(150, 2, 1)});
    WriteFile(m_pupils.path + "/Adam/stat.dat", "\x05");
    WriteFile(ClassTestFolder(m_pupils, m_test.id) + "/wyniki/Adam-2.txt", "zepsuty");
    const std::vector<ClassTestRow> rows = MakeClassTestTable(m_pupils, m_test);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].problem.starts_with("Adam-2.txt: to nie jest plik wyniku"))
        << rows[0].problem;
    EXPECT_NE(rows[0].problem.find("; stat.dat: plik urywa się"), std::string::npos)
        << "and stat.dat cannot be read: " << rows[0].problem;
    EXPECT_FALSE(rows[0].doubtful) << "nothing to judge by";
}

TEST_F(ClassTestTable, TheCsvKeepsNamesAndRemarksAsText) {
    ClassTestRow taken;
    taken.pupil = "=HYPERLINK(\"x\")";
    taken.best = TestResult{
        "x", 1, COleDateTime::FromDateTime(2026, 12, 8, 10, 5, 0), 123.456, 2.5, 4, true, 200, "k"};
    taken.doubtful = true;
    taken.attemptsUsed = 1;
    taken.attemptsAllowed = 1;
    ClassTestRow absent;
    absent.pupil = Utf8ToCp1250("Łukasz; Nowak");
    absent.attemptsAllowed = 1;
    ClassTestRow unreadable;
    unreadable.pupil = "-1";
    unreadable.problem = "@brak dostępu";
    EXPECT_EQ(ClassTestCsv({taken, absent, unreadable}),
              "\xEF\xBB\xBF"
              "Uczeń;Ocena;Znaków na minutę;Błędy (%);Data;Podejścia;Dozwolone podejścia;Uwagi\r\n"
              "\"'=HYPERLINK(\"\"x\"\")\";4;123,46;2,50;2026-12-08T10:05:00;1;1;"
              "wątpliwy, przerwany\r\n"
              "\"Łukasz; Nowak\";;;;;0;1;nie pisał(a)\r\n"
              "'-1;;;;;0;0;'@brak dostępu\r\n");
}

} // namespace
