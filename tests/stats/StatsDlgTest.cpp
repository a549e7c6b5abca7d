// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/StatsDlg.h"
#include "platform/ProgramContext.h"

#include "ProgramFolderTest.h"
#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStatFile.h"
#include "stats/ProgressChart.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

StatRecord MakeRun(const std::string& lesson, int day, int hour, double speed, double percent) {
    StatRecord run;
    run.lesson = Utf8ToCp1250(lesson);
    run.date = COleDateTime::FromDateTime(2026, 3, day, hour);
    run.charsPerMinute = speed;
    run.errorPercent = percent;
    return run;
}

// A program folder with pupils of its own; the current pupil is set as the
// chooser would have set it.
class StatsDlgTest : public ProgramFolderTest {
protected:
    void AddPupil(const std::string& name, const CPupilStats& stats) {
        std::filesystem::create_directories(m_program / ("Data/Pupils/" + name));
        SavePupilStats(Pupils(), Utf8ToCp1250(name), stats);
    }

    // Ania has run "abc" twice, "ABC" once and "wiersze" once; Bartek once.
    void AddTwoPupils() {
        CPupilStats ania;
        ania.push_back(MakeRun("abc", 15, 10, 100, 2.5));
        ania.push_back(MakeRun("wiersze", 15, 11, 80, 10));
        ania.push_back(MakeRun("ABC", 16, 8, 90, 50));
        ania.push_back(MakeRun("abc", 16, 22, 130, 0));
        ania.m_charErrors = {{'k', 2}, {'l', 9}};
        AddPupil("Ania", ania);
        CPupilStats bartek;
        bartek.push_back(MakeRun("żółw", 1, 9, 60, 5));
        bartek.m_charErrors = {{Utf8ToCp1250("ż")[0], 4}};
        AddPupil("Bartek", bartek);
    }
};

QString Text(const CStatsDlg& dialog, int id) {
    return dialog.findChild<QLabel*>(ControlName(id))->text();
}

QComboBox& PupilCombo(const CStatsDlg& dialog) {
    return *dialog.findChild<QComboBox*>(ControlName(CStatsDlg::kIdPupilCombo));
}

QListWidget& LessonList(const CStatsDlg& dialog) {
    return *dialog.findChild<QListWidget*>(ControlName(CStatsDlg::kIdExerciseList));
}

CProgressChart& Chart(const CStatsDlg& dialog) {
    return *dialog.findChild<CProgressChart*>();
}

QStringList Lessons(const CStatsDlg& dialog) {
    QStringList lessons;
    for (int row = 0; row < LessonList(dialog).count(); ++row)
        lessons << LessonList(dialog).item(row)->text();
    return lessons;
}

void ChooseLesson(const CStatsDlg& dialog, int row) {
    QListWidget& list = LessonList(dialog);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
}

// As a user does it: the pupil just above in the closed box, then Down.
void ChoosePupil(const CStatsDlg& dialog, const QString& name) {
    QComboBox& combo = PupilCombo(dialog);
    combo.setCurrentIndex(combo.findText(name) - 1);
    QTest::keyClick(&combo, Qt::Key_Down);
}

void HoverChart(const CStatsDlg& dialog, QPoint point) {
    QTest::mouseMove(&Chart(dialog), point);
}

const QString kHeading = QStringLiteral("Ogółem, najwięcej problemów sprawiają znaki:\r\n");
const QString kLegend =
    QStringLiteral("Zielony to ilość znaków na minutę, czerwony to ilość błędów w %");

} // namespace

TEST_F(StatsDlgTest, OpensOnTheCurrentPupilAndSummarisesTheChosenLesson) {
    AddTwoPupils();
    CStatsDlg dialog(Pupils(), "ania");
    dialog.show();

    EXPECT_EQ(PupilCombo(dialog).currentText(), "Ania");
    EXPECT_EQ(Lessons(dialog), (QStringList{"abc", "ABC", "wiersze"}));
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdMistypedChars), kHeading + "l ,k ,");
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdRunsSummary), "Info");
    EXPECT_TRUE(Chart(dialog).Bars().empty());

    // Either spelling shows the runs of both, in stored order.
    ChooseLesson(dialog, 1);
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdRunsSummary),
              "Nazwa ćwiczenia: ABC\nIlość ćwiczeń: 3\n"
              "Statystyki od: 15-03-2026   do: 16-03-2026\nŁącznie: 1.5 dni");
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdProgressSummary),
              "średnio: 106.667\nWynik najlepszy: 130\n"
              "Kaźdego dnia o: 20 zn\\min. lepiej\n"
              "W tym tempie za miesiąc będzie to: 500 zn.\\min.");
    ASSERT_EQ(Chart(dialog).Bars().size(), 3u);
    EXPECT_EQ(Chart(dialog).Bars()[2].hover.top, 0);
}

TEST_F(StatsDlgTest, HoveringABarShowsItsRunUntilAnotherBarIsHovered) {
    AddTwoPupils();
    CStatsDlg dialog(Pupils(), "Ania");
    dialog.show();
    ChooseLesson(dialog, 0);
    const std::vector<ChartBar> bars = Chart(dialog).Bars();
    ASSERT_EQ(bars.size(), 3u);

    HoverChart(dialog, QPoint(bars[1].hover.left, bars[1].hover.bottom - 1));
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdLegend),
              "ćw.nr:1, data: 16-03-2026, zn\\min:90, błędów:50%");
    // A gap between bars and the empty chart beyond them change nothing.
    HoverChart(dialog, QPoint(bars[1].hover.right, bars[1].hover.bottom - 1));
    HoverChart(dialog, QPoint(bars[2].hover.right + 20, 10));
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdLegend),
              "ćw.nr:1, data: 16-03-2026, zn\\min:90, błędów:50%");
    HoverChart(dialog, QPoint(bars[0].hover.right - 1, bars[0].hover.top));
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdLegend),
              "ćw.nr:0, data: 15-03-2026, zn\\min:100, błędów:2.5%");
}

TEST_F(StatsDlgTest, AnotherPupilKeepsTheSummaryButNotTheChart) {
    AddTwoPupils();
    CStatsDlg dialog(Pupils(), "Ania");
    dialog.show();
    ChooseLesson(dialog, 2);
    const QString runs = Text(dialog, CStatsDlg::kIdRunsSummary);
    const QString progress = Text(dialog, CStatsDlg::kIdProgressSummary);
    const PixelRect bar = Chart(dialog).Bars().at(0).hover;

    ChoosePupil(dialog, "Bartek");
    EXPECT_EQ(Lessons(dialog), QStringList{"żółw"});
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdMistypedChars), kHeading + "ż ,");
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdRunsSummary), runs);
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdProgressSummary), progress);
    EXPECT_TRUE(Chart(dialog).Bars().empty());
    HoverChart(dialog, QPoint(bar.left, bar.bottom - 1));
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdLegend), kLegend);

    ChooseLesson(dialog, 0);
    EXPECT_TRUE(Text(dialog, CStatsDlg::kIdRunsSummary)
                    .startsWith("Nazwa ćwiczenia: żółw\nIlość ćwiczeń: 1\n"));
}

TEST_F(StatsDlgTest, WithoutACurrentPupilNothingIsSelectedAndTheSharedFileIsRead) {
    AddTwoPupils();
    CPupilStats nobody;
    nobody.push_back(MakeRun("bez ucznia", 2, 9, 70, 0));
    AddPupil("", nobody);
    CStatsDlg dialog(Pupils(), "");
    EXPECT_EQ(PupilCombo(dialog).count(), 2);
    EXPECT_EQ(PupilCombo(dialog).currentIndex(), -1);
    EXPECT_EQ(Lessons(dialog), QStringList{"bez ucznia"});
}

TEST_F(StatsDlgTest, ADamagedFileIsReportedOnceAndTheWindowStaysUsable) {
    AddTwoPupils();
    WriteFile(m_program / "Data/Pupils/Ania/stat.dat", std::string("\x05\0\0\0\x03"
                                                                   "ab",
                                                                   7));
    const std::string before = ReadFile(m_program / "Data/Pupils/Ania/stat.dat");

    QStringList reports;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&reports] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reports << box->text();
            box->accept();
        }
    });
    closer.start();
    CStatsDlg dialog(Pupils(), "Ania");
    dialog.show();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("stat.dat"));
    EXPECT_TRUE(Lessons(dialog).isEmpty());
    EXPECT_EQ(Text(dialog, CStatsDlg::kIdMistypedChars), kHeading);

    ChoosePupil(dialog, "Bartek");
    EXPECT_EQ(Lessons(dialog), QStringList{"żółw"});
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(ReadFile(m_program / "Data/Pupils/Ania/stat.dat"), before);
}

// In a school's class folder a pupil's statistics window offers only the
// pupil; the teacher's offers the whole class, and so does a home's.
TEST_F(StatsDlgTest, InASchoolsClassFolderAPupilSeesOnlyTheirOwn) {
    AddTwoPupils();
    EXPECT_EQ(PupilCombo(CStatsDlg(Pupils(), "Bartek")).count(), 2) << "at home";
    PupilsFolder school = Pupils();
    school.setBySchool = true;
    {
        CStatsDlg statistics(school, "Bartek");
        EXPECT_EQ(PupilCombo(statistics).count(), 1);
        EXPECT_EQ(PupilCombo(statistics).currentText(), QStringLiteral("Bartek"));
    }
    {
        CStatsDlg statistics(school, "Bartek", true);
        EXPECT_EQ(PupilCombo(statistics).count(), 2);
    }
}
