// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ShareClock.h"
#include "classtests/TestsToTake.h"
#include "platform/ProgramFolders.h"
#include "teacher/ClassStore.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class CLessonListBox;
class QLabel;
class QPushButton;
class QShortcut;

// The main window: greets the pupil and lists the lessons; a double-click or
// Enter on a lesson runs it. It keeps the pupil at the keyboard and hands
// them to every window it opens. The teacher's views are offered only when
// the program runs for a teacher.
class CLessonDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kIdLessonList = 1014;
    static constexpr int kIdHelpButton = 1016;
    static constexpr int kIdStatisticsButton = 1017;
    static constexpr int kIdGreeting = 1027;
    static constexpr int kIdPracticeButton = 1101;
    static constexpr int kIdClassButton = 1102;

    CLessonDlg(ProgramFolders folders, bool teacherMode, QWidget* parent = nullptr);

    // Chooses the pupil, greets them and fills the lesson list.
    void Initialise();
    // Initialise, then run the window until it closes.
    int Start();

    // The pupil at the keyboard (Windows-1250); none before Initialise or
    // when the folder has no pupil.
    const std::string& Pupil() const { return m_pupil; }

    std::string GetSelectedLessonPath() const;
    void RunSelectedLesson();

    CLessonListBox& LessonList() { return *m_lessonList; }
    QLabel& Greeting() { return *m_greeting; }

    // What runs a lesson for the pupil: the program's lesson run, or a
    // test's own. It is told whether a next lesson follows in the list, and
    // answers whether the pupil asked for it.
    using LessonRunner = std::function<bool(const std::string& pupil, const std::string& path,
                                            bool nextLessonFollows)>;
    void SetLessonRunner(LessonRunner runner) { m_runLesson = std::move(runner); }

    // What "Ćwicz trudne klawisze" (and F3) runs: the practice lesson of the
    // pupil's weakest keys.
    using PracticeRunner = std::function<void(const std::string& pupil)>;
    void SetPracticeRunner(PracticeRunner runner) { m_runPractice = std::move(runner); }

    // The class's tests the pupil may take now show as buttons below the
    // window's own controls, which grows for them; without one the window
    // is as it always was. A button runs the test through the test runner.
    // Whether a test is open is told by the share clock, the share's own
    // time unless another is given.
    using TestRunner = std::function<void(const std::string& pupil, const TestToTake& test)>;
    void SetTestRunner(TestRunner runner) { m_runTest = std::move(runner); }
    void SetShareClock(TimeSource clock) { m_shareClock = std::move(clock); }
    const std::vector<QPushButton*>& TestButtons() const { return m_testButtons; }
    void ShowTestsToTake();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FillLessonList();
    void ShowAbout();
    void ShowStatistics();
    void ShowClassOverview();
    void OpenHelp() const;

    ProgramFolders m_folders;
    bool m_teacherMode;
    std::string m_pupil;
    CLessonListBox* m_lessonList;
    QLabel* m_greeting;
    QPushButton* m_practiceButton;
    QShortcut* m_practiceShortcut;
    void RunPractice();
    void ShowTeachingAids();
    void ShowKeysToPractise();

    void RunTest(const TestToTake& test);

    LessonRunner m_runLesson;
    TestRunner m_runTest;
    TimeSource m_shareClock;
    std::vector<QPushButton*> m_testButtons;
    QSize m_sizeWithoutTests;
    PracticeRunner m_runPractice;
    // Kept while the program runs: the class overview then reads only the
    // pupils' files that changed since it was last open.
    CClassStore m_classStore;
};
