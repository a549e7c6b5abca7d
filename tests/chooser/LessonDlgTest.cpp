// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chooser/LessonDlg.h"
#include "chooser/LessonListBox.h"

#include "ModalWindow.h"
#include "ProgramFolderTest.h"
#include "chooser/AboutDlg.h"
#include "platform/DesktopOpener.h"
#include "platform/DialogTemplate.h"
#include "platform/HelpFile.h"
#include "platform/HelpWindow.h"
#include "platform/Paths.h"
#include "pupils/PupilDlg.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStats.h"
#include "stats/StatsDlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

// A program folder with a Lessons folder of its own for the chooser to list.
class LessonDlgTest : public ProgramFolderTest {
protected:
    void AddFile(const std::string& name) { WriteFile(m_program / ("Data/Lessons/" + name), ""); }
    // Opens the chooser with the first pupil, if any.
    void Initialise(CLessonDlg& chooser) {
        OnNextModal<CPupilDlg>([](CPupilDlg& pupils) { pupils.accept(); });
        chooser.Initialise();
    }
};

QStringList Titles(CLessonListBox& list) {
    QStringList titles;
    for (int row = 0; row < list.count(); ++row)
        titles << list.item(row)->text();
    return titles;
}

// Keeps the entries of the context menu about to open, then closes it; the
// menu's own loop keeps entries alive until then.
void ReadEntriesOfNextMenu(QStringList& entries) {
    QTimer::singleShot(10, qApp, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return ReadEntriesOfNextMenu(entries);
        for (const QAction* action : menu->actions())
            entries << action->text();
        menu->close();
    });
}

// Chooses the first entry of the context menu about to open.
void ChooseFirstEntryOfNextMenu() {
    QTimer::singleShot(10, qApp, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return ChooseFirstEntryOfNextMenu();
        menu->actions().front()->trigger();
        menu->close();
    });
}

// The WCAG contrast ratio of two colours.
double ContrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace

TEST_F(LessonDlgTest, ListsIniFilesSortedWithoutSubfolders) {
    AddFile("b.ini");
    AddFile("A.INI");
    AddFile("c.txt");
    AddFile("żaba.ini");
    AddFile("zebra.ini");
    AddFile("sub/d.ini");
    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    EXPECT_EQ(Titles(chooser.LessonList()), (QStringList{"A", "b", "zebra", "żaba"}));
}

TEST_F(LessonDlgTest, EnterOnTheListRunsTheSelectedItemsOwnFile) {
    AddFile("b.ini");
    AddFile("A.ini");
    AddFile("a.ini");
    CLessonDlg chooser{m_context.Folders(), false};
    std::vector<std::string> ran;
    chooser.SetLessonRunner([&](const std::string&, const std::string& path, bool) {
        ran.push_back(path);
        return false;
    });
    Initialise(chooser);
    chooser.show();
    CLessonListBox& list = chooser.LessonList();

    for (int row = 0; row < list.count(); ++row) {
        list.setCurrentRow(row);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Return);
        const std::string title = list.item(row)->text().toStdString();
        ASSERT_EQ(ran.size(), static_cast<size_t>(row + 1));
        EXPECT_EQ(ran.back(), m_program.Path() + "/Data/Lessons/" + title + ".ini");
    }

    auto* help = chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdHelpButton));
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(ran.size(), 3u);
}

TEST_F(LessonDlgTest, EnterWithNothingSelectedRunsAnEmptyPath) {
    CLessonDlg chooser{m_context.Folders(), false};
    std::vector<std::string> ran;
    chooser.SetLessonRunner([&](const std::string&, const std::string& path, bool) {
        ran.push_back(path);
        return false;
    });
    Initialise(chooser);
    chooser.show();
    QTest::keyClick(&chooser.LessonList(), Qt::Key_Return);
    EXPECT_EQ(ran, std::vector<std::string>{""});
}

TEST_F(LessonDlgTest, GreetsThePupilAndStartsOnTheEndButton) {
    CLessonDlg nobody{m_context.Folders(), false};
    Initialise(nobody);
    nobody.show();
    EXPECT_EQ(nobody.Greeting().text(), QStringLiteral("Witam, "));
    EXPECT_EQ(nobody.focusWidget()->objectName(), ControlName(kIdOk));

    std::filesystem::create_directories(m_program / "Data/Pupils/Żaneta");
    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    EXPECT_EQ(chooser.Greeting().text(), QStringLiteral("Witam, Żaneta"));
}

TEST_F(LessonDlgTest, HelpOpensThePageBesideTheProgramAndAboutShowsTheVersion) {
    // A help window another test left open shows that test's folder.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<CHelpWindow*>(window))
            delete window;
    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    chooser.show();
    QTest::mouseClick(chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdHelpButton)),
                      Qt::LeftButton);
    chooser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    // In the program's own window, once however often asked, no browser needed.
    ASSERT_NE(ShownHelpWindow(), nullptr);
    EXPECT_EQ(ShownHelpWindow()->Page().toLocalFile().toStdString(), m_program / "help/index.htm");
    int helpWindows = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<const CHelpWindow*>(window) != nullptr && window->isVisible();
    EXPECT_EQ(helpWindows, 1);

    QString version;
    OnNextModal<CAboutDlg>([&](CAboutDlg& about) {
        for (const QLabel* label : about.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                version = label->text();
        about.accept();
    });
    ChooseFirstEntryOfNextMenu();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(&chooser, &rightClick);
    EXPECT_EQ(version, QStringLiteral("Tastrum Version 1.0"));
}

TEST_F(LessonDlgTest, StatisticsButtonOpensTheStatisticsWindow) {
    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    chooser.show();
    bool opened = false;
    OnNextModal<CStatsDlg>([&](CStatsDlg& statistics) {
        opened = true;
        statistics.reject();
    });
    QTest::mouseClick(chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdStatisticsButton)),
                      Qt::LeftButton);
    EXPECT_TRUE(opened);
}

TEST_F(LessonDlgTest, AltAndAButtonsLetterPressItAtOnce) {
    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    chooser.show();
    chooser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    bool opened = false;
    OnNextModal<CStatsDlg>([&](CStatsDlg& statistics) {
        opened = true;
        statistics.reject();
    });
    QTest::keyClick(&chooser, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(opened);
}

TEST_F(LessonDlgTest, NoButtonLooksDefaultYetEnterPressesTheFocusedOne) {
    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    chooser.show();
    for (QPushButton* button : chooser.findChildren<QPushButton*>()) {
        button->setFocus();
        for (const QPushButton* any : chooser.findChildren<QPushButton*>())
            EXPECT_FALSE(any->isDefault()) << any->text().toStdString();
    }

    bool opened = false;
    OnNextModal<CStatsDlg>([&](CStatsDlg& statistics) {
        opened = true;
        statistics.reject();
    });
    auto* statistics =
        chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdStatisticsButton));
    statistics->setFocus();
    QTest::keyClick(statistics, Qt::Key_Return);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(chooser.isVisible());
}

TEST_F(LessonDlgTest, SelectedLessonKeepsItsTextReadableAndItsFrameVisible) {
    AddFile("a.ini");
    AddFile("b.ini");
    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    chooser.show();
    CLessonListBox& list = chooser.LessonList();
    list.setCurrentRow(0);
    const QImage painted = list.viewport()->grab().toImage();
    const QRect selected = list.visualItemRect(list.item(0));
    const QRect other = list.visualItemRect(list.item(1));
    const QColor background = painted.pixelColor(selected.right() - 3, selected.center().y());
    const QColor frame = painted.pixelColor(selected.right() - 3, selected.top());

    for (const QColor text : {QColor(200, 50, 50), QColor(0, 0, 130), QColor(0, 0, 250)})
        EXPECT_GE(ContrastRatio(text, background), 4.5) << text.name().toStdString();
    EXPECT_EQ(frame, list.palette().color(QPalette::Highlight));
    EXPECT_NE(background, painted.pixelColor(other.right() - 3, other.center().y()));
}

// The chooser opens on the lesson to go on with: the first one not passed
// is scrolled into view and wears an arrow in place of the lesson icon.
TEST_F(LessonDlgTest, TheFirstLessonNotPassedIsShownWithItsOwnIcon) {
    CPupilStats stats;
    for (int lesson = 0; lesson < 30; ++lesson) {
        const std::string title = (lesson < 10 ? "0" : "") + std::to_string(lesson) + " Lekcja";
        AddFile(title + ".ini");
        if (lesson < 20) {
            StatRecord run;
            run.lesson = title;
            run.charsPerMinute = 90;
            run.date = COleDateTime::FromDateTime(2026, 12, 1, 10);
            stats.push_back(run);
        }
    }
    std::filesystem::create_directories(m_program / "Data/Pupils/Ala");
    stats.Save(m_program / "Data/Pupils/Ala/stat.dat");

    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    chooser.show();
    CLessonListBox& list = chooser.LessonList();
    EXPECT_EQ(list.NextLessonRow(), 20);
    EXPECT_TRUE(list.viewport()->rect().contains(list.visualItemRect(list.item(20))));
    EXPECT_EQ(list.currentRow(), -1) << "the selection stays as it was";

    const QImage rows = list.viewport()->grab().toImage();
    const auto icon = [&](int row) {
        const QRect item = list.visualItemRect(list.item(row));
        return rows.copy(item.left(), item.top(), 18, item.height());
    };
    const int other =
        list.viewport()->rect().contains(list.visualItemRect(list.item(21))) ? 21 : 19;
    EXPECT_NE(icon(20), icon(other));
}

// The class overview is the teacher's: a pupil's chooser and statistics
// window do not offer it.
TEST_F(LessonDlgTest, OnlyTheTeachersProgramOffersTheClassOverview) {
    CLessonDlg chooser{m_context.Folders(), false};
    Initialise(chooser);
    const auto menuEntries = [](CLessonDlg& window) {
        QStringList entries;
        ReadEntriesOfNextMenu(entries);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(&window, &rightClick);
        return entries;
    };
    EXPECT_EQ(menuEntries(chooser), QStringList{QStringLiteral("&About Tastrum...")});
    bool shown = true;
    OnNextModal<CStatsDlg>([&shown](CStatsDlg& statistics) {
        shown =
            statistics.findChild<QPushButton*>(ControlName(CStatsDlg::kIdClassButton))->isVisible();
        statistics.reject();
    });
    QTest::mouseClick(chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdStatisticsButton)),
                      Qt::LeftButton);
    EXPECT_FALSE(shown);

    EXPECT_TRUE(
        chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdClassButton))->isHidden());

    CLessonDlg teachers{m_context.Folders(), true};
    Initialise(teachers);
    EXPECT_EQ(menuEntries(teachers), (QStringList{QStringLiteral("&About Tastrum..."),
                                                  QStringLiteral("Przegląd &klasy...")}));
    EXPECT_FALSE(
        teachers.findChild<QPushButton*>(ControlName(CLessonDlg::kIdClassButton))->isHidden())
        << "the teacher's chooser has a button for it";
}
