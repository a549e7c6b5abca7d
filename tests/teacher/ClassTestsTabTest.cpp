// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTestsTab.h"

#include "ModalWindow.h"
#include "ProgramFolderTest.h"
#include "classtests/Attempts.h"
#include "classtests/ClassTestCsv.h"
#include "classtests/ClassTestDlg.h"
#include "classtests/TestResult.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "pupils/PupilStats.h"
#include "pupils/StatFile.h"
#include "teacher/ClassOverviewDlg.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

namespace {

using namespace std::chrono;

// A class folder with a lesson to take a test's text from.
class ClassTestsTabTest : public ProgramFolderTest {
protected:
    ClassTestsTabTest() {
        const std::string lesson = m_program.Path() + "/01 abc.ini";
        WriteFile(lesson, "[LESSON]\r\nline=ala ma kota\r\nline=ola ma psa\r\n");
        m_sources = {{{"01 abc", lesson}}, m_program.Path()};
    }

    static sys_days Today() { return floor<days>(system_clock::now()); }

    ClassTest SetTest() {
        ClassTest test;
        test.name = "Dyktando";
        test.lines = {"ala ma kota"};
        test.openFrom = Today() - days{1};
        test.openTo = Today() + days{7};
        test.id = AddClassTest(Pupils(), test);
        return test;
    }

    // The pupil took the test once, at that speed.
    void Took(const ClassTest& test, const std::string& pupil, double speed) {
        StatRecord run;
        run.lesson = TestLessonName(test);
        run.charsPerMinute = speed;
        run.errorPercent = 2;
        run.date = COleDateTime::FromDateTime(2026, 12, 8, 10, 0, 0);
        const TimeSource now = [] { return ShareTime{std::time(nullptr), true}; };
        const std::optional<int> attempt = StartAttempt(Pupils(), test, pupil, now);
        ASSERT_TRUE(attempt);
        ASSERT_TRUE(SaveTestResult(Pupils(), test.id,
                                   MakeTestResult(test, pupil, *attempt, run, 60, false)));
        CPupilStats stats;
        stats.push_back(run);
        WriteFile(Pupils().path + "/" + Cp1250ToUtf8(pupil) + "/stat.dat", EncodeStatFile(stats));
    }

    void HasNotTyped(const std::string& pupil) {
        std::filesystem::create_directories(Pupils().path + "/" + pupil);
        WriteFile(Pupils().path + "/" + pupil + "/stat.dat", EncodeStatFile({}));
    }

    static QStringList Column(const QTableWidget& table, int column) {
        QStringList texts;
        for (int row = 0; row < table.rowCount(); ++row)
            texts << table.item(row, column)->text();
        return texts;
    }

    static int RowOf(const QTableWidget& table, const QString& pupil) {
        return static_cast<int>(Column(table, CClassTestsTab::kPupil).indexOf(pupil));
    }

    TestTextSources m_sources;
};

} // namespace

TEST_F(ClassTestsTabTest, TheDialogSetsATestTheClassFolderHoldsAndChangesOnlyItsFile) {
    CClassTestDlg dialog(Pupils(), m_sources, ClassTest{});
    EXPECT_EQ(dialog.OpenTo().date(), dialog.OpenFrom().date().addDays(7));
    EXPECT_FALSE(dialog.OwnMarksChoice().isChecked());
    emit dialog.Lesson().activated(1);
    EXPECT_EQ(dialog.Text().toPlainText(), QStringLiteral("ala ma kota\nola ma psa"));
    EXPECT_EQ(dialog.Name().text(), QStringLiteral("01 abc"));
    dialog.Name().setText(QStringLiteral("Dyktando ósme"));
    dialog.TimeLimit().setCurrentIndex(dialog.TimeLimit().findData(600));
    dialog.Attempts().setValue(2);
    dialog.OwnMarksChoice().setChecked(true);
    dialog.Limits().item(0, 0)->setText(QStringLiteral("150,5"));
    ASSERT_TRUE(dialog.Save());

    ClassTest test = LoadClassTest(Pupils(), dialog.Test().id);
    EXPECT_EQ(test.name, "Dyktando ósme");
    EXPECT_EQ(test.lines, (std::vector<std::string>{"ala ma kota", "ola ma psa"}));
    EXPECT_EQ(test.timeLimitSeconds, 600);
    EXPECT_EQ(test.attemptsAllowed, 2);
    EXPECT_EQ(test.openFrom, Today());
    ASSERT_TRUE(test.ownMarks);
    EXPECT_EQ((*test.ownMarks)[5], (MarkLimit{150.5, 1}));

    Took(test, "Ala", 120);
    CClassTestDlg change(Pupils(), m_sources, test);
    change.TimeLimit().setCurrentIndex(0);
    ASSERT_TRUE(change.Save());
    EXPECT_EQ(LoadClassTest(Pupils(), test.id).timeLimitSeconds, kNoTimeLimit);
    EXPECT_EQ(ReadTestResults(Pupils(), test.id).results.size(), 1u);
}

TEST_F(ClassTestsTabTest, ATextNoKeyTypesIsRefusedAndAnUntaughtChordAsked) {
    CClassTestDlg dialog(Pupils(), m_sources, ClassTest{});
    dialog.Name().setText(QStringLiteral("Wklejony"));
    dialog.Text().setPlainText(QStringLiteral("ala ¤ ma kota"));
    QString told;
    OnNextModal<QMessageBox>([&told](QMessageBox& box) {
        told = box.text();
        box.accept();
    });
    EXPECT_FALSE(dialog.Save());
    EXPECT_TRUE(told.contains(QStringLiteral("Tekstu nie można przepisać"))) << told.toStdString();

    dialog.Text().setPlainText(QStringLiteral("„ala ma kota”"));
    AnswerNextQuestion(false);
    EXPECT_FALSE(dialog.Save());
    EXPECT_TRUE(ListClassTests(Pupils()).empty());
    AnswerNextQuestion(true);
    EXPECT_TRUE(dialog.Save());
    EXPECT_EQ(ListClassTests(Pupils()).size(), 1u);
}

TEST_F(ClassTestsTabTest, TheTabListsTheTestsAndMarksEveryPupilWithTheMissingOnesNoted) {
    const ClassTest test = SetTest();
    Took(test, "Ala", 120);
    HasNotTyped("Bartek");
    CClassTestsTab tab(Pupils(), m_sources);

    ASSERT_EQ(tab.Tests().rowCount(), 1);
    EXPECT_EQ(tab.Tests().item(0, 0)->text(), QStringLiteral("Dyktando"));
    EXPECT_EQ(tab.Tests().item(0, 4)->text(), QStringLiteral("1"));
    QTableWidget& marks = tab.Marks();
    EXPECT_EQ(Column(marks, CClassTestsTab::kPupil),
              (QStringList{QStringLiteral("Ala"), QStringLiteral("Bartek")}));
    EXPECT_EQ(marks.item(0, CClassTestsTab::kSpeed)->text(), QStringLiteral("120,0"));
    EXPECT_EQ(marks.item(0, CClassTestsTab::kAttempts)->text(), QStringLiteral("1/1"));
    EXPECT_EQ(marks.item(1, CClassTestsTab::kRemarks)->text(), QStringLiteral("nie pisał(a)"));
    EXPECT_TRUE(marks.item(1, CClassTestsTab::kMark)->text().isEmpty());
}

TEST_F(ClassTestsTabTest, OneMoreAttemptIsGivenOnlyWhenTheTeacherSaysYes) {
    const ClassTest test = SetTest();
    Took(test, "Ala", 120);
    HasNotTyped("Bartek");
    CClassTestsTab tab(Pupils(), m_sources);
    AnswerNextQuestion(false);
    tab.AllowOneMoreAttempt(RowOf(tab.Marks(), QStringLiteral("Ala")));
    EXPECT_EQ(AttemptLedger::Read(Pupils(), test.id).Left(test, "Ala"), 0);

    QString asked;
    AnswerNextQuestion(true, &asked);
    tab.AllowOneMoreAttempt(RowOf(tab.Marks(), QStringLiteral("Ala")));
    EXPECT_TRUE(asked.contains(QStringLiteral("Ala")));
    EXPECT_EQ(AttemptLedger::Read(Pupils(), test.id).Left(test, "Ala"), 1);
    EXPECT_EQ(tab.Marks().item(0, CClassTestsTab::kAttempts)->text(), QStringLiteral("1/2"));

    AnswerNextQuestion(true);
    tab.AllowOneMoreAttempt(RowOf(tab.Marks(), QStringLiteral("Bartek")));
    EXPECT_EQ(tab.Marks().currentRow(), RowOf(tab.Marks(), QStringLiteral("Bartek")))
        << "the pupil stays chosen";
}

TEST_F(ClassTestsTabTest, TheMarkingTableGoesToCsvAndPdf) {
    const ClassTest test = SetTest();
    Took(test, "Ala", 120);
    HasNotTyped("Bartek");
    CClassTestsTab tab(Pupils(), m_sources);
    const std::string csv = m_program.Path() + "/dyktando.csv";
    const std::string pdf = m_program.Path() + "/dyktando.pdf";

    ASSERT_TRUE(tab.ExportCsv(QString::fromStdString(csv)));
    EXPECT_EQ(ReadFile(csv), ClassTestCsv(MakeClassTestTable(Pupils(), test)));
    ASSERT_TRUE(tab.SavePdf(QString::fromStdString(pdf)));
    EXPECT_EQ(ReadFile(pdf).substr(0, 4), "%PDF");

    QString told;
    OnNextModal<QMessageBox>([&told](QMessageBox& box) {
        told = box.text();
        box.accept();
    });
    EXPECT_FALSE(tab.ExportCsv(QString::fromStdString(m_program.Path() + "/brak/x.csv")));
    EXPECT_TRUE(told.startsWith(QStringLiteral("Nie zapisano pliku: ")));
}

TEST_F(ClassTestsTabTest, NumbersSortAsNumbers) {
    const ClassTest test = SetTest();
    Took(test, "Ala", 1000);
    Took(test, "Bartek", 95);
    Took(test, "Celina", 250);
    CClassTestsTab tab(Pupils(), m_sources);
    tab.Marks().sortByColumn(CClassTestsTab::kSpeed, Qt::AscendingOrder);
    EXPECT_EQ(
        Column(tab.Marks(), CClassTestsTab::kSpeed),
        (QStringList{QStringLiteral("95,0"), QStringLiteral("250,0"), QStringLiteral("1000,0")}));
}

TEST_F(ClassTestsTabTest, TheOverviewKeepsTheClassTableAsItsFirstTabAndTheTestsBesideIt) {
    CClassStore store(Pupils());
    CClassOverviewDlg overview(store, {"01 abc"}, Outbox());
    overview.AddTab(new CClassTestsTab(Pupils(), m_sources), QStringLiteral("&Sprawdziany"));
    const auto* tabs = overview.findChild<QTabWidget*>();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->widget(0), &overview.Table());
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("&Klasa"));
    EXPECT_NE(qobject_cast<CClassTestsTab*>(tabs->widget(1)), nullptr);
}
