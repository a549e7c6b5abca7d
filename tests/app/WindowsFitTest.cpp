// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalWindow.h"
#include "TempFolder.h"
#include "chooser/AboutDlg.h"
#include "chooser/LessonDlg.h"
#include "classtests/ClassTestDlg.h"
#include "classtests/ClassTestFile.h"
#include "classtests/ClassTestsTab.h"
#include "exercise/ExerciseDlg.h"
#include "exercise/ExerciseSession.h"
#include "exercise/Grading.h"
#include "exercise/ResultDlg.h"
#include "platform/DialogTemplate.h"
#include "platform/ProgramContext.h"
#include "platform/Settings.h"
#include "pupils/PupilDlg.h"
#include "pupils/QuestionDlg.h"
#include "stats/StatsDlg.h"
#include "teacher/ClassOverviewDlg.h"
#include "teacher/PupilReportDlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>

#include <filesystem>

#include <gtest/gtest.h>

// Every window of the program on the screen the tests run on. Besides the
// usual offscreen screen, these tests run on a 1024x600 netbook screen and on
// a tiny screen, both scaled by 1.5 for 144 DPI (tests/screens).
namespace {

QString ScreenName() {
    return QGuiApplication::primaryScreen()->name();
}

// The dialog font's height in the screen's own pixels.
double FontPixels(const QWidget& window) {
    return window.font().pointSizeF() * window.logicalDpiY() / 72 * window.devicePixelRatioF();
}

void ExpectFitsTheScreen(QDialog& window) {
    window.show();
    const QSize room = window.screen()->availableGeometry().size();
    const QRect frame = window.frameGeometry();
    EXPECT_LE(frame.width(), room.width()) << window.windowTitle().toStdString();
    EXPECT_LE(frame.height(), room.height()) << window.windowTitle().toStdString();
    EXPECT_GE(FontPixels(window), 9.0);
    if (window.findChild<QScrollArea*>())
        return;
    for (const QWidget* control :
         window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(control->isHidden() || window.rect().contains(control->geometry()))
            << control->objectName().toStdString() << " of " << window.windowTitle().toStdString();
}

} // namespace

TEST(WindowsFit, EveryDialogFitsTheScreenWithAReadableFont) {
    const ProgramFolders folders = PortableFolders(ExecutableFolder());
    CLessonDlg chooser(folders, false);
    ExpectFitsTheScreen(chooser);
    CAboutDlg about;
    ExpectFitsTheScreen(about);
    CPupilDlg pupils({"Ala"});
    ExpectFitsTheScreen(pupils);
    CQuestionDlg question(QStringLiteral("Imię:"));
    ExpectFitsTheScreen(question);
    CResultDlg result(folders.program);
    ExpectFitsTheScreen(result);
    CStatsDlg statistics(folders.pupils, "Ala");
    ExpectFitsTheScreen(statistics);
    CClassStore store(folders.pupils);
    CClassOverviewDlg overview(store, {"01 abc"}, folders.outbox);
    overview.AddTab(new CClassTestsTab(folders.pupils, TestTextSourcesOf(folders)),
                    QStringLiteral("Sprawdziany"));
    ExpectFitsTheScreen(overview);
    CClassTestDlg classTest(folders.pupils, TestTextSourcesOf(folders), ClassTest{});
    ExpectFitsTheScreen(classTest);
    CPupilReportDlg report(folders.pupils, "Ala", {"01 abc"});
    ExpectFitsTheScreen(report);
}

TEST(WindowsFit, ExerciseShrinksItsFontOnANetbookAndScrollsOnlyOnATinyScreen) {
    CExerciseSession session{TickSource::SteadyClock()};
    CExerciseDlg exercise(session);
    ExpectFitsTheScreen(exercise);
    EXPECT_TRUE(exercise.IsKeyboardShown());
    const bool scrolls = exercise.findChild<QScrollArea*>() != nullptr;
    EXPECT_EQ(scrolls, ScreenName() == QStringLiteral("tiny"));
    if (ScreenName() == QStringLiteral("netbook")) {
        EXPECT_LT(exercise.font().pointSizeF(), 8.0);
    } else if (!scrolls) {
        EXPECT_EQ(exercise.font().pointSizeF(), 8.0);
    }
}

// A test to take adds its button below the chooser's own controls, and a
// timed test adds the time left to the exercise window.
TEST(WindowsFit, TheChooserWithATestAndTheTimedExerciseFit) {
    TempFolder program;
    CProgramContext context(program.Path());
    std::filesystem::create_directories(program / "Data/Pupils/Ola");
    ClassTest test;
    test.name = "Wiosna";
    test.lines = {"ala ma kota"};
    test.timeLimitSeconds = 155;
    const std::chrono::sys_days today = LocalDayOf(ShareNow(context.Folders().pupils).seconds);
    test.openFrom = today;
    test.openTo = today + std::chrono::days{1};
    AddClassTest(context.Folders().pupils, test);
    CLessonDlg chooser(context.Folders(), false);
    OnNextModal<CPupilDlg>([](CPupilDlg& pupils) { pupils.accept(); });
    chooser.Initialise();
    ASSERT_EQ(chooser.TestButtons().size(), 1u);
    ExpectFitsTheScreen(chooser);

    CExerciseSession session{TickSource::SteadyClock()};
    CExerciseDlg exercise(session);
    exercise.SetTimeLimit(test.timeLimitSeconds);
    exercise.KeepAidsOff();
    ExpectFitsTheScreen(exercise);
}

// Without the teaching aids the exercise window keeps no room for the
// keyboard, so on a small screen its font is as large as the window alone
// allows.
TEST(WindowsFit, TheExerciseWindowFitsForWhatItShows) {
    ProgramSettings()->setValue(QStringLiteral("exercise/keyboardShown"), false);
    CExerciseSession aloneSession{TickSource::SteadyClock()};
    CExerciseDlg alone(aloneSession);
    ProgramSettings()->setValue(QStringLiteral("exercise/keyboardShown"), true);
    CExerciseSession shownSession{TickSource::SteadyClock()};
    CExerciseDlg withKeyboard(shownSession);
    ExpectFitsTheScreen(alone);
    EXPECT_FALSE(alone.IsKeyboardShown());
    if (ScreenName() == QStringLiteral("netbook"))
        EXPECT_GT(alone.font().pointSizeF(), withKeyboard.font().pointSizeF() + 2);
    else
        EXPECT_GE(alone.font().pointSizeF(), withKeyboard.font().pointSizeF());
}

// The verdict headline shrinks with the dialog font, so it is never cut;
// a window that scrolls adds no Tab stop of its own.
TEST(WindowsFit, TheVerdictFitsItsHeadlineAndScrollingAddsNoTabStop) {
    const ProgramFolders folders = PortableFolders(ExecutableFolder());
    CResultDlg result(folders.program);
    result.SetTexts(ResultDetails(5, 12.5, 480, 0), VerdictOf(5));
    result.show();
    const QLabel* headline = result.findChild<QLabel*>(ControlName(CResultDlg::kIdHeadline));
    EXPECT_DOUBLE_EQ(headline->font().pointSizeF(), result.font().pointSizeF() * 1.5);
    EXPECT_LE(headline->heightForWidth(headline->width()), headline->height());

    CLessonDlg chooser(folders, false);
    chooser.show();
    for (const QScrollArea* scroll : chooser.findChildren<QScrollArea*>())
        EXPECT_FALSE(scroll->focusPolicy() & Qt::TabFocus);
}
