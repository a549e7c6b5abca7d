// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RunClassTest.h"

#include "ModalWindow.h"
#include "ProgramFolderTest.h"
#include "chooser/LessonDlg.h"
#include "classtests/Attempts.h"
#include "classtests/ClassTestFile.h"
#include "classtests/ClassTestFixture.h"
#include "classtests/TestRunSoFar.h"
#include "classtests/WaitingTestResults.h"
#include "exercise/ExerciseDlg.h"
#include "exercise/ResultDlg.h"
#include "exercise/TeachingAids.h"
#include "platform/FileFaults.h"
#include "pupils/Outbox.h"
#include "pupils/PupilDlg.h"
#include "pupils/PupilStats.h"
#include "pupils/RunFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <optional>

namespace {

using namespace std::chrono;

// A class folder with the pupil Ola and a test of one line and a minute,
// open from Monday 7 to Friday 11 December; the exercise's clock is the
// test's own, in milliseconds.
class RunClassTestTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        std::filesystem::create_directories(m_program / "Data/Pupils/Ola");
        m_test.name = "Wiosna";
        m_test.lines = {"ala ma kota"};
        m_test.timeLimitSeconds = 60;
        m_test.openFrom = sys_days{2026y / December / 7};
        m_test.openTo = sys_days{2026y / December / 11};
        m_test.id = AddClassTest(Pupils(), m_test);
        m_context.clock = TickSource{[this] { return m_nowMs; }, 1000};
    }

    void OpenChooser(year_month_day day) {
        m_chooser.SetShareClock(ShareAtNoon(day));
        m_chooser.SetTestRunner([this, day](const std::string& pupil, const TestToTake& test) {
            RunClassTest(m_context, pupil, test, ShareAtNoon(day));
        });
        OnNextModal<CPupilDlg>([](CPupilDlg& pupils) { pupils.accept(); });
        m_chooser.Initialise();
        m_chooser.show();
    }

    // Starts the test from the chooser, types the keys, lets the clock run
    // on by seconds and takes the result window's mark.
    QString TakeTest(const QString& keys, int seconds, std::function<void()> whileTyping = {}) {
        QString mark;
        AnswerNextQuestion(true, nullptr, [this, keys, seconds, whileTyping, &mark] {
            OnNextModal<CExerciseDlg>(
                [this, keys, seconds, whileTyping, &mark](CExerciseDlg& exercise) {
                    QTest::keyClicks(exercise.focusWidget(), keys);
                    if (whileTyping)
                        whileTyping();
                    m_nowMs += seconds * 1000;
                    OnNextModal<CResultDlg>([&mark](CResultDlg& result) {
                        mark = result.NextStep().text();
                        result.accept();
                    });
                    exercise.Tick();
                });
        });
        m_chooser.TestButtons().front()->click();
        return mark;
    }

    std::string StatFile() const { return m_program / "Data/Pupils/Ola/stat.dat"; }

    ClassTest m_test;
    int64_t m_nowMs = 0;
    CLessonDlg m_chooser{m_context.Folders(), false};
};

TEST_F(RunClassTestTest, TheChooserOffersATestOnlyWhileItIsOpen) {
    OpenChooser(2026y / December / 6);
    const QSize withoutTests = m_chooser.size();
    EXPECT_TRUE(m_chooser.TestButtons().empty());

    m_chooser.SetShareClock(ShareAtNoon(2026y / December / 8));
    m_chooser.ShowTestsToTake();
    ASSERT_EQ(m_chooser.TestButtons().size(), 1u);
    EXPECT_EQ(m_chooser.TestButtons().front()->text(),
              QStringLiteral("Sprawdzian: Wiosna — do piątku 11.12, 1 podejście"));
    EXPECT_GT(m_chooser.height(), withoutTests.height());

    m_chooser.SetShareClock(ShareAtNoon(2026y / December / 12));
    m_chooser.ShowTestsToTake();
    EXPECT_TRUE(m_chooser.TestButtons().empty());
    EXPECT_EQ(m_chooser.size(), withoutTests) << "the window is as before";
}

TEST_F(RunClassTestTest, TheTimeLimitEndsTheTestWhichIsStoredAsARunAndAResult) {
    OpenChooser(2026y / December / 8);
    QString timeLeft;
    const QString mark = TakeTest(QStringLiteral("ala m"), 61, [this, &timeLeft] {
        m_nowMs += 25'000;
        auto* exercise = dynamic_cast<CExerciseDlg*>(QApplication::activeModalWidget());
        exercise->Tick();
        for (const QLabel* label : exercise->findChildren<QLabel*>())
            if (label->text().startsWith(QStringLiteral("Zostało")))
                timeLeft = label->text();
        QTest::keyClick(exercise, Qt::Key_F2);
        EXPECT_FALSE(exercise->IsKeyboardShown()) << "no aids in this test";
        EXPECT_EQ(TestRunsLeftSoFar(Outbox()).size(), 1u) << "kept from the attempt's start";
    });
    EXPECT_TRUE(AidsShownForPupil(Pupils(), "Ola")) << "the pupil's own choice stays";
    EXPECT_TRUE(TestRunsLeftSoFar(Outbox()).empty()) << "the attempt has its result";
    EXPECT_EQ(timeLeft, QStringLiteral("Zostało: 0:35"));
    EXPECT_EQ(mark, QStringLiteral("Ocena: 1"));

    CPupilStats stats;
    stats.Load(StatFile());
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0].lesson, TestLessonName(m_test));
    const TestResults results = ReadTestResults(Pupils(), m_test.id);
    ASSERT_EQ(results.results.size(), 1u);
    EXPECT_EQ(results.results[0].pupil, "Ola");
    EXPECT_FALSE(results.results[0].endedEarly) << "the time ran out";
    EXPECT_EQ(results.results[0].runKey, RunKey(stats[0]));
    EXPECT_TRUE(m_chooser.TestButtons().empty()) << "its one attempt is used";
}

TEST_F(RunClassTestTest, WhileTheShareIsAwayTheRunAndTheResultWaitAndAreDeliveredLater) {
    OpenChooser(2026y / December / 8);
    const std::string pupils = Pupils().path + "/";
    std::optional<CScopedFileFault> shareAway;
    TakeTest(QStringLiteral("ala"), 61, [&] {
        shareAway.emplace([pupils](FileCall, const std::string& path) {
            return path.starts_with(pupils) ? EIO : 0;
        });
        // The pupil is told the run is kept on this computer.
        OnNextModal<QMessageBox>([](QMessageBox& told) { told.accept(); });
    });
    shareAway.reset();
    EXPECT_FALSE(std::filesystem::exists(StatFile()));
    EXPECT_TRUE(ReadTestResults(Pupils(), m_test.id).results.empty());
    EXPECT_EQ(CountOutbox(Outbox()), 1);

    DeliverOutbox(Outbox(), Pupils());
    EXPECT_EQ(DeliverWaitingTestResults(Outbox(), Pupils()), 1);
    CPupilStats stats;
    stats.Load(StatFile());
    ASSERT_EQ(stats.size(), 1u);
    const TestResults results = ReadTestResults(Pupils(), m_test.id);
    ASSERT_EQ(results.results.size(), 1u);
    EXPECT_EQ(results.results[0].runKey, RunKey(stats[0]));
}

TEST_F(RunClassTestTest, ATestToTheEndOfTheTextEndsAtItsEndAsALesson) {
    m_test.timeLimitSeconds = kNoTimeLimit;
    SaveClassTest(Pupils(), m_test);
    OpenChooser(2026y / December / 8);
    bool timeShown = true;
    const QString mark = TakeTest(QStringLiteral("ala ma kota"), 600, [&timeShown] {
        QWidget* exercise = QApplication::activeModalWidget();
        QTest::keyClick(exercise->focusWidget(), Qt::Key_Return);
        timeShown = false;
        for (const QLabel* label : exercise->findChildren<QLabel*>())
            timeShown = timeShown || label->text().startsWith(QStringLiteral("Zostało"));
    });
    EXPECT_FALSE(timeShown);
    EXPECT_TRUE(mark.startsWith(QStringLiteral("Ocena: "))) << mark.toStdString();
    const TestResults results = ReadTestResults(Pupils(), m_test.id);
    ASSERT_EQ(results.results.size(), 1u);
    EXPECT_FALSE(results.results[0].endedEarly);
}

// The program closed during the test: the chooser, showing the tests
// again, gives the attempt its result from the run kept so far.
TEST_F(RunClassTestTest, AnAttemptLeftByAClosedProgramEndsEarlyWhenTheTestsAreShown) {
    const std::optional<int> attempt =
        StartAttempt(Pupils(), m_test, "Ola", ShareAtNoon(2026y / December / 8));
    TestRunSoFar soFar{m_test.id, "Ola", attempt.value(), {}, 20};
    soFar.run.lesson = TestLessonName(m_test);
    soFar.run.charsPerMinute = 90;
    soFar.run.date = COleDateTime::FromDateTime(2026, 12, 8, 10, 0, 0);
    KeepTestRunSoFar(Outbox(), soFar);

    OpenChooser(2026y / December / 8);
    EXPECT_TRUE(m_chooser.TestButtons().empty());
    const TestResults results = ReadTestResults(Pupils(), m_test.id);
    ASSERT_EQ(results.results.size(), 1u);
    EXPECT_TRUE(results.results[0].endedEarly);
    CPupilStats stats;
    stats.Load(StatFile());
    EXPECT_EQ(stats.size(), 1u);
}

} // namespace
