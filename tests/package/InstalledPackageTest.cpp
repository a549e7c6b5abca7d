// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RunLesson.h"
#include "chooser/LessonDlg.h"
#include "chooser/LessonListBox.h"
#include "exercise/ExerciseDlg.h"
#include "exercise/ResultDlg.h"

#include "ModalWindow.h"
#include "platform/Cp1250.h"
#include "platform/ProgramContext.h"
#include "pupils/NewPupil.h"
#include "pupils/PupilDlg.h"

#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

// The program as the Debian package installs it, unpacked by
// tests/package/check-package.sh into TASTRUM_UNPACKED_ROOT, with the user
// folders that script gives it. Skipped in the ordinary test run.
TEST(InstalledPackage, LessonsShippedAndOwnAreListedAndRunsLandInTheUsersDataFolder) {
    const QString root = qEnvironmentVariable("TASTRUM_UNPACKED_ROOT");
    if (root.isEmpty())
        GTEST_SKIP() << "run by check-package.sh";
    CProgramContext context(FindProgramFolders(root.toStdString() + "/usr/bin"));
    const std::string data = qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/tastrum";
    ASSERT_EQ(context.Folders().pupils.path, data + "/Pupils");

    std::string pupil;
    ASSERT_EQ(AddNewPupil(context.Folders().pupils, "Zosia", &pupil), "");
    CLessonDlg chooser(context.Folders(), false);
    chooser.SetLessonRunner(
        [&context](const std::string& pupil, const std::string& path, bool offerNext) {
            return RunLesson(context, pupil, path, offerNext);
        });
    OnNextModal<CPupilDlg>([](CPupilDlg& pupils) { pupils.accept(); });
    chooser.Initialise();
    chooser.show();
    CLessonListBox& list = chooser.LessonList();
    QStringList titles;
    for (int row = 0; row < list.count(); ++row)
        titles << list.item(row)->text();
    EXPECT_TRUE(titles.contains(QStringLiteral("01 Rząd środkowy")))
        << titles.join(", ").toStdString();
    ASSERT_TRUE(titles.contains(QStringLiteral("Moja lekcja")));

    list.setCurrentRow(static_cast<int>(titles.indexOf(QStringLiteral("Moja lekcja"))));
    OnNextModal<CResultDlg>([](CResultDlg& introduction) {
        OnNextModal<CExerciseDlg>([](CExerciseDlg& exercise) {
            QTest::keyClicks(exercise.focusWidget(), "ab");
            QTest::keyClick(exercise.focusWidget(), Qt::Key_Return);
            OnNextModal<CResultDlg>([](CResultDlg& result) { result.accept(); });
            exercise.Tick();
        });
        introduction.accept();
    });
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_TRUE(std::filesystem::is_regular_file(data + "/Pupils/Zosia/stat.dat"));
}
