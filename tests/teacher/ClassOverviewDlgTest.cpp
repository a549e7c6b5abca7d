// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ClassOverviewDlg.h"
#include "platform/ProgramContext.h"
#include "teacher/PupilReportDlg.h"

#include "ModalWindow.h"
#include "ProgramFolderTest.h"
#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"
#include "platform/FileFaults.h"
#include "pupils/Outbox.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"
#include "stats/StatsDlg.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "MadeRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

// A class of four: Ala with three runs, Żaneta with one, Bartek whose file
// is damaged, and Celina who has not typed yet.
class ClassOverviewDlgTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        Store("Ala", {RunOf("01 abc", 300, 0.5, COleDateTime::FromDateTime(2026, 11, 2, 10)),
                      RunOf("01 ABC", 100, 20, COleDateTime::FromDateTime(2026, 11, 3, 10)),
                      RunOf("02 żaba", 20, 60, COleDateTime::FromDateTime(2026, 11, 4, 10))});
        Store("Żaneta", {RunOf("01 abc", 60, 8, COleDateTime::FromDateTime(2026, 11, 5, 10))});
        WriteFile(GetStatFilePath(Pupils(), "Bartek"), "to nie są wyniki");
        std::filesystem::create_directories(GetPupilFolder(Pupils(), "Celina"));
        m_overview = std::make_unique<CClassOverviewDlg>(
            m_class, std::vector<std::string>{"01 abc", Utf8ToCp1250("02 żaba")}, Outbox());
    }

    void Store(const std::string& pupil, const std::vector<StatRecord>& runs) {
        CPupilStats stats;
        stats.insert(stats.end(), runs.begin(), runs.end());
        stats.m_charErrors = {{Utf8ToCp1250("ż")[0], 5}, {'a', 2}};
        std::filesystem::create_directories(GetPupilFolder(Pupils(), Utf8ToCp1250(pupil)));
        stats.Save(GetStatFilePath(Pupils(), Utf8ToCp1250(pupil)));
    }

    QString Cell(const QTableWidget& table, int row, int column) {
        return table.item(row, column)->text();
    }

    QStringList Column(const QTableWidget& table, int column) {
        QStringList texts;
        for (int row = 0; row < table.rowCount(); ++row)
            texts << Cell(table, row, column);
        return texts;
    }

    CClassStore m_class{Pupils()};
    std::unique_ptr<CClassOverviewDlg> m_overview;
};

constexpr int kPupil = 0, kRuns = 1, kPassed = 2, kRemarks = 6;
constexpr int kFirst = CClassOverviewDlg::kFirstLessonColumn;

} // namespace

TEST_F(ClassOverviewDlgTest, ARowPerPupilWithTheBestGradeOfEachLessonInTheListsColours) {
    const QTableWidget& table = m_overview->Table();
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.horizontalHeaderItem(kFirst + 1)->text(), QStringLiteral("02 żaba"));
    EXPECT_EQ(Column(table, kPupil), (QStringList{"Ala", "Bartek", "Celina", "Żaneta"}));

    const int ala = 0;
    const int best = ComputeGrade(300, 0.5);
    EXPECT_EQ(Cell(table, ala, kRuns), "3");
    EXPECT_EQ(Cell(table, ala, kFirst), QString::number(best));
    EXPECT_EQ(table.item(ala, kFirst)->foreground().color(), QColor(0, 0, best * 40 + 50));
    EXPECT_TRUE(table.item(ala, kFirst)->toolTip().contains(QStringLiteral("Podejścia: 2")));
    EXPECT_TRUE(table.item(ala, kFirst)->toolTip().contains(QStringLiteral("300,0 znaków")));
    EXPECT_EQ(Cell(table, ala, kFirst + 1), QString::number(ComputeGrade(20, 60)));

    const int celina = 2;
    EXPECT_EQ(Cell(table, celina, kFirst), QStringLiteral("–"));
    EXPECT_EQ(table.item(celina, kFirst)->foreground().color(), QColor(200, 50, 50));

    const int bartek = 1;
    EXPECT_FALSE(Cell(table, bartek, kRemarks).isEmpty());
    EXPECT_NE(table.item(bartek, kPupil)->background(), table.item(ala, kPupil)->background());

    // Each grade's cell is tinted by its grade, its grade still written in it.
    const QColor aGood = table.item(ala, kFirst)->background().color();
    const QColor aPoor = table.item(ala, kFirst + 1)->background().color();
    EXPECT_GT(aGood.green(), aGood.red()) << "a good grade is green";
    EXPECT_GT(aPoor.red(), aPoor.green()) << "a poor grade is red";
    EXPECT_EQ(table.item(celina, kFirst)->background().style(), Qt::NoBrush) << "not tried";
}

// However far the lessons scroll sideways, each row's pupil stays in sight.
TEST_F(ClassOverviewDlgTest, ThePupilsNamesStayWhileTheLessonsScroll) {
    m_overview->resize(300, 300);
    m_overview->show();
    const QTableWidget& table = m_overview->Table();
    table.horizontalScrollBar()->setValue(table.horizontalScrollBar()->maximum());
    const QRect name = table.visualItemRect(table.item(0, kPupil));
    ASSERT_LT(name.right(), 0) << "the table's own column scrolled away";
    const auto* names = table.findChild<QTableView*>();
    ASSERT_NE(names, nullptr);
    EXPECT_TRUE(names->isVisible());
    EXPECT_EQ(names->model()->data(names->model()->index(0, kPupil)).toString(),
              QStringLiteral("Ala"));
    EXPECT_GE(names->width(), table.columnWidth(kPupil));
    EXPECT_EQ(names->geometry().left(), table.frameWidth());
}

// The class store outlives the window: opened again, the overview shows
// every pupil's file as it is now.
TEST_F(ClassOverviewDlgTest, OpenedAgainTheOverviewShowsEveryFileAsItIsNow) {
    m_overview.reset();
    Store("Żaneta", {RunOf("01 abc", 60, 8, COleDateTime::FromDateTime(2026, 11, 5, 10)),
                     RunOf("01 abc", 90, 2, COleDateTime::FromDateTime(2026, 11, 6, 10))});
    Store("Bartek", {RunOf("02 żaba", 60, 8, COleDateTime::FromDateTime(2026, 11, 5, 10))});
    WriteFile(GetStatFilePath(Pupils(), "Ala"), "to też nie są wyniki");
    const CClassOverviewDlg again(m_class, {"01 abc", Utf8ToCp1250("02 żaba")}, Outbox());
    const QTableWidget& table = again.Table();
    EXPECT_EQ(Column(table, kPupil), (QStringList{"Ala", "Bartek", "Celina", "Żaneta"}));
    EXPECT_EQ(Column(table, kRuns), (QStringList{"0", "1", "0", "2"}));
    EXPECT_FALSE(Cell(table, 0, kRemarks).isEmpty());
    EXPECT_TRUE(Cell(table, 1, kRemarks).isEmpty());
}

TEST_F(ClassOverviewDlgTest, EveryColumnSorts) {
    QTableWidget& table = const_cast<QTableWidget&>(m_overview->Table());
    table.sortByColumn(kRuns, Qt::DescendingOrder);
    EXPECT_EQ(Column(table, kPupil).front(), "Ala");
    EXPECT_EQ(Column(table, kRuns), (QStringList{"3", "1", "0", "0"}));
    table.sortByColumn(kPupil, Qt::DescendingOrder);
    EXPECT_EQ(Column(table, kPupil), (QStringList{"Żaneta", "Celina", "Bartek", "Ala"}));
    table.sortByColumn(kFirst, Qt::DescendingOrder);
    EXPECT_EQ(Column(table, kPupil).mid(0, 2), (QStringList{"Ala", "Żaneta"}));
    table.sortByColumn(kPassed, Qt::AscendingOrder);
    EXPECT_EQ(Column(table, kPassed).back(),
              Cell(table, Column(table, kPupil).indexOf("Ala"), kPassed));
}

TEST_F(ClassOverviewDlgTest, EnterOnAPupilOpensTheReportWhichSavesAsPdf) {
    m_overview->show();
    QTableWidget& table = const_cast<QTableWidget&>(m_overview->Table());
    table.setCurrentCell(3, 0);
    const QString pdf = QString::fromStdString(m_program / "Żaneta.pdf");
    QString title;
    bool saved = false;
    OnNextModal<CPupilReportDlg>([&](CPupilReportDlg& report) {
        title = report.windowTitle();
        saved = report.SavePdf(pdf);
        report.reject();
    });
    QTest::keyClick(&table, Qt::Key_Return);
    EXPECT_EQ(title, QStringLiteral("Tastrum: raport ucznia Żaneta"));
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadFile(pdf.toStdString()).substr(0, 5), "%PDF-");

    // On another tab the class table's pupil is out of sight: Enter opens
    // no report.
    auto* other = new QLabel(QStringLiteral("inna karta"));
    m_overview->AddTab(other, QStringLiteral("Inna"));
    m_overview->findChild<QTabWidget*>()->setCurrentWidget(other);
    bool opened = false;
    QTimer::singleShot(100, qApp, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    QTest::keyClick(m_overview.get(), Qt::Key_Return);
    QTest::qWait(150);
    EXPECT_FALSE(opened);
}

TEST_F(ClassOverviewDlgTest, ExportsWriteTheRunsAndTheTable) {
    const std::string runs = m_program / "wyniki.csv";
    QString told;
    OnNextModal<QMessageBox>([&told](QMessageBox& box) {
        told = box.text();
        box.accept();
    });
    ASSERT_TRUE(m_overview->ExportRuns(QString::fromStdString(runs)));
    EXPECT_TRUE(told.contains(QStringLiteral("Bartek"))) << told.toStdString();
    const std::string csv = ReadFile(runs);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    // The heading, Żaneta's three runs, Celina's one, and Bartek's reason.
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 3 + 1 + 1);
    EXPECT_NE(csv.find("\r\nBartek;;;;;;"), std::string::npos) << csv;
    EXPECT_NE(csv.find("Żaneta;01 abc;2026-11-05T10:00:00;60,00;8,00;"), std::string::npos);

    const std::string table = m_program / "klasa.csv";
    ASSERT_TRUE(m_overview->ExportTable(QString::fromStdString(table)));
    EXPECT_NE(ReadFile(table).find("Celina;0;0;;;;\r\n"), std::string::npos);
}

TEST_F(ClassOverviewDlgTest, TheStatisticsWindowOpensTheOverview) {
    CStatsDlg statistics(Pupils(), "Ala");
    auto* button = statistics.findChild<QPushButton*>(ControlName(CStatsDlg::kIdClassButton));
    EXPECT_TRUE(button->isHidden());
    // A pupil's window ends at its own controls; the teacher's has a row more.
    EXPECT_EQ(statistics.size(), DialogUnitsToPixels(statistics.font(), 0, 0, 377, 250).size());
    int opened = 0;
    statistics.SetClassOverviewOpener([&opened] { ++opened; });
    statistics.show();
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(statistics.height(),
              DialogUnitsToPixels(statistics.font(), 0, 0, 377, 250).height() +
                  DialogUnitsToPixels(statistics.font(), 0, 0, 0, 18).height());
    EXPECT_LE(button->geometry().bottom(), statistics.height());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
}

// A pupils folder that cannot be read is no empty class, and runs that wait
// on this computer are counted.
TEST_F(ClassOverviewDlgTest, SaysWhenThePupilsFolderCannotBeReadAndWhatWaitsHere) {
    KeepInOutbox(Outbox(), "Ala",
                 RunOf("01 abc", 100, 0, COleDateTime::FromDateTime(2026, 12, 1, 9)), {});
    KeepInOutbox(Outbox(), "Ola",
                 RunOf("01 abc", 100, 0, COleDateTime::FromDateTime(2026, 12, 1, 9)), {});
    const CScopedFileFault unreadable([this](FileCall call, const std::string& path) {
        return call == FileCall::Scan && path == m_program / "Data/Pupils" ? EACCES : 0;
    });
    const CClassOverviewDlg overview(m_class, {"01 abc"}, Outbox());
    EXPECT_EQ(overview.Table().rowCount(), 0);
    QString status;
    for (const QLabel* label : overview.findChildren<QLabel*>())
        status += label->text();
    EXPECT_TRUE(status.contains(QStringLiteral("Folder uczniów jest niedostępny")))
        << status.toStdString();
    EXPECT_TRUE(status.contains(QString::fromStdString(m_program / "Data/Pupils")));
    EXPECT_TRUE(
        status.contains(QStringLiteral("czekają wyniki do zapisania w folderze uczniów: 2")))
        << status.toStdString();
}
