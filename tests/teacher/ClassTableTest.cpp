// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramContext.h"
#include "pupils/KeyStatsFile.h"
#include "teacher/ClassStore.h"
#include "teacher/CsvExport.h"
#include "teacher/KeyMeasurements.h"
#include "teacher/PupilReport.h"

#include "ProgramFolderTest.h"
#include "platform/Cp1250.h"
#include "platform/FileFaults.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStatFile.h"

#include "MadeRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

// One run of "abc" at 120 characters a minute with 2.5 % errors on
// 1 January 1900 at 6:00, and three errors on 'a', as the program stores it.
const std::string kSixtyThreeBytes =
    Bytes({1,    0, 0, 0, 3, 'a', 'b', 'c',  0,    0, 0, 0, 0, 0, 0, 0, 0,    0, 2,
           0x40, 0, 0, 0, 0, 0,   0,   0x5E, 0x40, 0, 0, 0, 0, 0, 0, 4, 0x40, 0, 0}) +
    std::string(16, '\0') + Bytes({1, 0, 0, 0, 'a', 3, 0, 0, 0});

// A class in a program folder of its own: pupils' files made to measure.
class ClassTableTest : public ProgramFolderTest {
protected:
    void Store(const std::string& pupil, const std::vector<StatRecord>& runs,
               CharErrorArray errors = {}) {
        StoreRunsOf(Pupils(), pupil, runs, std::move(errors));
    }

    const PupilRow& RowOf(const std::vector<PupilRow>& rows, const std::string& pupil) {
        for (const PupilRow& row : rows)
            if (row.pupil == Utf8ToCp1250(pupil))
                return row;
        throw std::runtime_error("no row for " + pupil);
    }

    const std::vector<std::string> m_lessons{"abc", Utf8ToCp1250("Żaba")};
    CClassStore m_class{Pupils()};
};

} // namespace

TEST_F(ClassTableTest, TheKnownFileGivesItsRunInTheTableAndTheReport) {
    WriteFile(GetStatFilePath(Pupils(), "Ala"), kSixtyThreeBytes);
    const PupilRow& row = RowOf(m_class.Refresh(m_lessons), "Ala");
    EXPECT_EQ(row.problem, "");
    EXPECT_EQ(row.runs, 1);
    EXPECT_EQ(row.lastRun.FormatIso8601(), "1900-01-01T06:00:00");
    ASSERT_EQ(row.lessons.size(), 2u);
    EXPECT_EQ(row.lessons[0].runs, 1);
    EXPECT_EQ(row.lessons[0].bestSpeed, 120.0);
    EXPECT_EQ(row.lessons[0].bestGrade, 4);
    EXPECT_EQ(row.lessons[1].runs, 0);
    EXPECT_EQ(row.lessons[1].bestGrade, 0);

    CPupilStats stats;
    LoadPupilStats(Pupils(), "Ala", stats);
    const PupilReport report = MakePupilReport("Ala", stats, m_lessons);
    ASSERT_EQ(report.lessons.size(), 2u);
    EXPECT_EQ(report.lessons[0].averageSpeed, 120.0);
    EXPECT_EQ(report.lessons[0].averageErrorPercent, 2.5);
    EXPECT_EQ(report.mistyped, (CharErrorArray{{'a', 3}}));
    ASSERT_EQ(report.speeds.size(), 1u);
    EXPECT_EQ(report.speeds[0].charsPerMinute, 120.0);
}

TEST_F(ClassTableTest, BestGradesCountRunsOfAnyLetterCaseAndOtherLessonsCloseTheReport) {
    StatRecord endedEarly = RunOf("ABC", 100, 10, COleDateTime::FromDateTime(2026, 9, 1, 8));
    endedEarly.reservedValue1 = 40;
    Store("Zosia",
          {endedEarly, RunOf("abc", 200, 1, COleDateTime::FromDateTime(2026, 10, 1, 8)),
           RunOf("żaba", 50, 40, COleDateTime::FromDateTime(2026, 11, 5, 9, 15)),
           RunOf("stara lekcja", 80, 5, COleDateTime::FromDateTime(2026, 8, 1))},
          {{'a', 1}, {'z', 7}});
    const PupilRow& row = RowOf(m_class.Refresh(m_lessons), "Zosia");
    EXPECT_EQ(row.runs, 4);
    EXPECT_EQ(row.lessons[0].runs, 2);
    EXPECT_EQ(row.lessons[0].endedEarly, 1);
    EXPECT_EQ(row.lessons[1].endedEarly, 0);
    EXPECT_EQ(row.lessons[0].bestSpeed, 200.0);
    EXPECT_EQ(row.lessons[0].bestGrade, 4);
    EXPECT_EQ(row.lessons[0].lastRun, COleDateTime::FromDateTime(2026, 10, 1, 8));
    EXPECT_EQ(row.lessons[1].bestGrade, 1);
    EXPECT_EQ(row.lessonsPassed, 1);
    EXPECT_EQ(row.lastRun, COleDateTime::FromDateTime(2026, 11, 5, 9, 15));

    CPupilStats stats;
    LoadPupilStats(Pupils(), Utf8ToCp1250("Zosia"), stats);
    const PupilReport report = MakePupilReport(Utf8ToCp1250("Zosia"), stats, m_lessons);
    ASSERT_EQ(report.lessons.size(), 3u);
    EXPECT_EQ(report.lessons[0].averageSpeed, 150.0);
    EXPECT_EQ(report.lessons[0].endedEarly, 1);
    EXPECT_EQ(report.lessons[0].averageErrorPercent, 5.5);
    EXPECT_EQ(report.lessons[2].lesson, "stara lekcja");
    EXPECT_EQ(report.speeds.front().charsPerMinute, 80.0);
    EXPECT_EQ(report.speeds.back().charsPerMinute, 50.0);
    EXPECT_EQ(report.mistyped, (CharErrorArray{{'z', 7}, {'a', 1}}));
}

// Grade 2 is the lowest pass: a lesson whose best grade is 2 counts as
// passed, one whose best is 1 does not.
TEST_F(ClassTableTest, ALessonPassedWithGradeTwoCountsAsPassed) {
    Store("Olek", {RunOf("abc", 50, 0, COleDateTime::FromDateTime(2026, 12, 1, 8)),
                   RunOf("abc", 30, 0, COleDateTime::FromDateTime(2026, 12, 2, 8)),
                   RunOf("Żaba", 45, 7.5, COleDateTime::FromDateTime(2026, 12, 3, 8))});
    const PupilRow& row = RowOf(m_class.Refresh(m_lessons), "Olek");
    EXPECT_EQ(row.lessons[0].bestGrade, 2);
    EXPECT_EQ(row.lessons[1].bestGrade, 1);
    EXPECT_EQ(row.lessonsPassed, 1);
}

// A run ended early keeps its grade in the runs, but passes nothing; a
// lesson tried only so says "przerwane" in the table and its CSV.
TEST_F(ClassTableTest, ALessonEndedEarlyIsNotPassed) {
    StatRecord fast = RunOf("abc", 300, 0, COleDateTime::FromDateTime(2026, 12, 1, 8));
    fast.reservedValue1 = 85;
    Store("Olek", {fast, RunOf("Żaba", 50, 0, COleDateTime::FromDateTime(2026, 12, 2, 8)), fast});
    const PupilRow& row = RowOf(m_class.Refresh(m_lessons), "Olek");
    EXPECT_EQ(row.lessons[0].bestGrade, 0);
    EXPECT_TRUE(row.lessons[0].OnlyEndedEarly());
    EXPECT_EQ(row.lessons[1].bestGrade, 2);
    EXPECT_EQ(row.lessonsPassed, 1);
    EXPECT_NE(ClassTableCsv(m_lessons, {row}).find(";przerwane;2\r\n"), std::string::npos)
        << ClassTableCsv(m_lessons, {row});
}

TEST_F(ClassTableTest, ADamagedFileIsAMarkedRowAndTheOthersStillShow) {
    Store("Ala", {RunOf("abc", 150, 2, COleDateTime::FromDateTime(2026, 12, 1))});
    WriteFile(GetStatFilePath(Pupils(), "Bartek"), kSixtyThreeBytes.substr(0, 40));
    WriteFile(GetStatFilePath(Pupils(), "Celina"), "to nie jest plik z wynikami");
    std::filesystem::create_directories(GetPupilFolder(Pupils(), "Dawid"));
    const std::vector<PupilRow> rows = m_class.Refresh(m_lessons);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(RowOf(rows, "Ala").runs, 1);
    EXPECT_NE(RowOf(rows, "Bartek").problem, "");
    EXPECT_NE(RowOf(rows, "Celina").problem, "");
    EXPECT_EQ(RowOf(rows, "Dawid").problem, "");
    EXPECT_EQ(RowOf(rows, "Dawid").runs, 0);
    EXPECT_EQ(RowOf(rows, "Bartek").lessons.size(), 2u);
    EXPECT_EQ(ReadFile(GetStatFilePath(Pupils(), "Bartek")), kSixtyThreeBytes.substr(0, 40));
}

TEST_F(ClassTableTest, AFileIsReadAgainOnlyWhenItChanged) {
    Store("Ala", {RunOf("abc", 150, 2, COleDateTime::FromDateTime(2026, 12, 1))});
    EXPECT_EQ(RowOf(m_class.Refresh(m_lessons), "Ala").runs, 1);
    // A file that no longer parses but looks unchanged is not read again...
    const std::string path = GetStatFilePath(Pupils(), "Ala");
    const auto modified = std::filesystem::last_write_time(path);
    std::string bytes = ReadFile(path);
    bytes[0] = '\x7F';
    WriteFile(path, bytes);
    std::filesystem::last_write_time(path, modified);
    EXPECT_EQ(RowOf(m_class.Refresh(m_lessons), "Ala").runs, 1);
    // ...while a run stored since is seen.
    Store("Ala", {RunOf("abc", 150, 2, COleDateTime::FromDateTime(2026, 12, 1)),
                  RunOf("abc", 160, 2, COleDateTime::FromDateTime(2026, 12, 2))});
    EXPECT_EQ(RowOf(m_class.Refresh(m_lessons), "Ala").runs, 2);
}

// The teacher sees each pupil's weakest keys now, and their recent error
// rates on the report's keyboard.
TEST_F(ClassTableTest, TheWeakestKeysOfAPupilShowInTheRowAndTheReport) {
    Store("Ala", {RunOf("abc", 150, 2, COleDateTime::FromDateTime(2026, 12, 1))}, {});
    StoreKeyPresses(Pupils(), "Ala", PressesWeakAtZDot());
    EXPECT_EQ(RowOf(m_class.Refresh(m_lessons), "Ala").weakKeys, "ż");
    const KeyMeasurements measured = ReadKeyMeasurements(Pupils(), "Ala");
    ASSERT_EQ(measured.recentErrors.size(), 4u);
    for (const CharErrorCount& key : measured.recentErrors)
        EXPECT_EQ(key.count > 0, key.ch == '\xBF') << key.ch;
}

// The runs reach the weak keys through klawisze.dat alone: a row whose
// stat.dat is unchanged is still read again when the measurements change.
TEST_F(ClassTableTest, ARowIsReadAgainWhenOnlyTheKeyMeasurementsChanged) {
    Store("Ala", {RunOf("abc", 150, 2, COleDateTime::FromDateTime(2026, 12, 1))});
    EXPECT_EQ(RowOf(m_class.Refresh(m_lessons), "Ala").weakKeys, "");
    StoreKeyPresses(Pupils(), "Ala", PressesWeakAtZDot());
    EXPECT_EQ(RowOf(m_class.Refresh(m_lessons), "Ala").weakKeys, "ż");
}

// A class is read on several threads at once; each pupil still gets the row
// their own files give, whatever else fails beside them, and a file that
// failed is tried again at the next refresh.
TEST_F(ClassTableTest, AClassReadAtOnceGivesEachPupilTheRowTheirFilesGive) {
    std::vector<std::string> pupils;
    for (int pupil = 0; pupil < 24; ++pupil) {
        const std::string name = "Uczeń " + std::to_string(pupil);
        pupils.push_back(Utf8ToCp1250(name));
        std::vector<StatRecord> runs;
        for (int run = 0; run <= pupil * 3; ++run)
            runs.push_back(RunOf(run % 2 ? "ABC" : "Żaba", 40.0 + run * pupil, run % 7,
                                 COleDateTime::FromDateTime(2026, 1 + run % 12, 1 + pupil)));
        Store(name, runs, {{'a', pupil}});
    }
    WriteFile(GetStatFilePath(Pupils(), pupils[5]), kSixtyThreeBytes.substr(0, 40));
    std::filesystem::remove(GetStatFilePath(Pupils(), pupils[9]));
    std::vector<PupilRow> rows;
    {
        const CScopedFileFault awayForAMoment([](FileCall call, const std::string& path) {
            return call == FileCall::Read && path.find("Uczeń 17/stat.dat") != std::string::npos
                       ? EIO
                       : 0;
        });
        rows = m_class.Refresh(m_lessons);
    }
    ASSERT_EQ(rows.size(), pupils.size());
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const PupilRow& a, const PupilRow& b) {
        return PolishLessCp1250(a.pupil, b.pupil);
    }));
    for (const std::string& pupil : pupils) {
        const PupilRow& row = RowOf(rows, Cp1250ToUtf8(pupil));
        if (pupil == pupils[17])
            EXPECT_NE(row.problem, "");
        else
            EXPECT_EQ(row, ReadPupilRow(Pupils(), pupil, m_lessons)) << Cp1250ToUtf8(pupil);
    }
    EXPECT_NE(RowOf(rows, "Uczeń 5").problem, "");
    EXPECT_EQ(RowOf(rows, "Uczeń 9").runs, 0);
    EXPECT_EQ(RowOf(rows, "Uczeń 23").runs, 70);
    EXPECT_EQ(RowOf(m_class.Refresh(m_lessons), "Uczeń 17").runs, 52);
}
