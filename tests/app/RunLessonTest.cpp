// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RunLesson.h"
#include "ModalWindow.h"
#include "chooser/LessonDlg.h"
#include "chooser/LessonListBox.h"
#include "exercise/ExerciseDlg.h"
#include "exercise/ResultDlg.h"
#include "platform/ProgramContext.h"
#include "pupils/PupilDlg.h"
#include "pupils/PupilStats.h"

#include "ProgramFolderTest.h"
#include "platform/Cp1250.h"
#include "platform/DesktopOpener.h"
#include "platform/DialogTemplate.h"
#include "platform/FileFaults.h"
#include "platform/Paths.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/Outbox.h"
#include "pupils/PupilChoices.h"
#include "pupils/PupilRegistry.h"
#include "pupils/StoreRun.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

const std::string kLessonName = "Próba";
const std::string kLine1 = "asdf jkl asdf jkl asd";
const std::string kLine2 = "fjfjfjfjfj";

// A program folder with one pupil, Ola, and one lesson of two lines. The
// chooser opens with Ola chosen.
class RunLessonTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        std::filesystem::create_directories(m_program / "Data/Pupils/Ola");
        WriteLesson("[General]\r\ndescription=Opis lekcji\r\n[Special]\r\nrun=help/palce.htm\r\n"
                    "[LESSON]\r\nline=" +
                    kLine1 + "\r\nline=" + kLine2 + "\r\n");
        WriteFile(m_program / "help/palce.htm", "<html></html>");
        m_context.openWithDesktop = [this](const std::string& path, const std::string&) {
            m_opened.push_back(path);
        };
    }

    void WriteLesson(const std::string& text) {
        WriteFile(m_program / ("Data/Lessons/" + kLessonName + ".ini"), text);
    }

    void OpenChooser() {
        OnNextModal<CPupilDlg>([](CPupilDlg& pupils) { pupils.accept(); });
        m_chooser.SetLessonRunner(
            [this](const std::string& pupil, const std::string& path, bool offerNext) {
                return RunLesson(m_context, pupil, path, offerNext);
            });
        m_chooser.Initialise();
        m_chooser.show();
        m_chooser.LessonList().setCurrentRow(0);
    }

    void PressEnterOnList() {
        m_chooser.LessonList().setFocus();
        QTest::keyClick(&m_chooser.LessonList(), Qt::Key_Return);
    }

    std::string StatFile() const { return m_program / "Data/Pupils/Ola/stat.dat"; }

    std::string PaintedSuffix() {
        m_chooser.LessonList().viewport()->grab();
        return m_chooser.LessonList().MarkOfRow(0).suffix;
    }

    CLessonDlg m_chooser{m_context.Folders(), false};
    std::vector<std::string> m_opened;
};

void AcceptIntroduction(std::function<void()> then) {
    OnNextModal<CResultDlg>([then](CResultDlg& introduction) {
        EXPECT_EQ(introduction.windowTitle(), QString::fromStdString(kLessonName));
        then();
        introduction.accept();
    });
}

void TypeIntoExercise(const QString& keys, std::function<void(CExerciseDlg&)> then) {
    OnNextModal<CExerciseDlg>([keys, then](CExerciseDlg& exercise) {
        QWidget* field = exercise.focusWidget();
        for (const QChar key : keys) {
            if (key == '\n')
                QTest::keyClick(field, Qt::Key_Return);
            else if (key == '\b')
                QTest::keyClick(field, Qt::Key_Backspace);
            else
                QTest::keyClicks(field, QString(key));
        }
        then(exercise);
    });
}

} // namespace

TEST_F(RunLessonTest, TypedLessonIsStoredAndMarkedInTheChooser) {
    OpenChooser();
    EXPECT_EQ(m_chooser.Greeting().text(), QStringLiteral("Witam, Ola"));
    EXPECT_EQ(PaintedSuffix(), "  (nie zaliczone)");

    QString verdict;
    AcceptIntroduction([&] {
        // One wrong key on the second line, mended with Backspace.
        const QString keys = QString::fromStdString(kLine1 + "\nfjfjx\bfjfjfj\n");
        TypeIntoExercise(keys, [&](CExerciseDlg& exercise) {
            OnNextModal<CResultDlg>([&](CResultDlg& result) {
                verdict = result.windowTitle();
                result.accept();
            });
            exercise.Tick();
        });
    });
    PressEnterOnList();

    EXPECT_EQ(m_opened, std::vector<std::string>{m_program / "help/palce.htm"});
    EXPECT_TRUE(verdict.startsWith(QStringLiteral("Gratulacje! Zaliczone na dobry")));
    CPupilStats stats;
    stats.Load(StatFile());
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0].lesson, Utf8ToCp1250(kLessonName));
    EXPECT_GT(stats[0].charsPerMinute, 0.0);
    const double typed = kLine1.size() + 1 + kLine2.size();
    EXPECT_DOUBLE_EQ(stats[0].errorPercent, 100 / typed);
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'f', 1}}));
    EXPECT_EQ(PaintedSuffix(), "  (zaliczone na 4)");
}

TEST_F(RunLessonTest, CancelledRunsStoreNothing) {
    OpenChooser();
    OnNextModal<CResultDlg>([](CResultDlg& introduction) { introduction.reject(); });
    PressEnterOnList();

    AcceptIntroduction([] {
        TypeIntoExercise("asd", [](CExerciseDlg& exercise) {
            AnswerNextQuestion(true);
            QTest::keyClick(exercise.focusWidget(), Qt::Key_Escape);
        });
    });
    PressEnterOnList();
    EXPECT_FALSE(std::filesystem::exists(StatFile()));

    WriteLesson("[General]\r\ndescription=Bez linii\r\n");
    AcceptIntroduction([] {});
    PressEnterOnList();
    EXPECT_FALSE(std::filesystem::exists(StatFile()));
    EXPECT_EQ(PaintedSuffix(), "  (nie zaliczone)");
}

TEST_F(RunLessonTest, EndingEarlyStoresARunAndMissingFilesAreReported) {
    int64_t nowMs = 0;
    m_context.clock = {[&nowMs] { return nowMs; }, 1000};
    OpenChooser();
    AcceptIntroduction([&nowMs] {
        OnNextModal<CExerciseDlg>([&nowMs](CExerciseDlg& exercise) {
            for (const char key : std::string("asdf")) {
                nowMs += 1000;
                QTest::keyClicks(exercise.focusWidget(), QString(QChar(key)));
            }
            nowMs += 1000;
            // The pupil thinks over the question for a minute.
            AnswerNextQuestion(true, nullptr, [&nowMs] { nowMs += 60000; });
            exercise.accept();
        });
    });
    PressEnterOnList();
    CPupilStats stats;
    stats.Load(StatFile());
    ASSERT_EQ(stats.size(), 1u);
    // 4 keys, a second apart from the first, and the button a second after
    // the last: 4 characters in 4 seconds.
    EXPECT_DOUBLE_EQ(stats[0].charsPerMinute, 60.0);
    EXPECT_EQ(PaintedSuffix(), "  (przerwane)") << "a run ended early passes nothing";
    EXPECT_EQ(m_chooser.LessonList().MarkNextLesson(false), 0);
    EXPECT_EQ(stats[0].errorPercent, 0.0);
    // The teacher sees how much was left: 4 of the 21 + 1 + 10 keystrokes typed.
    EXPECT_DOUBLE_EQ(stats[0].reservedValue1, 100.0 - 100.0 / (32.0 / 4.0));

    std::filesystem::remove(m_program / ("Data/Lessons/" + kLessonName + ".ini"));
    QString message;
    OnNextModal<QMessageBox>([&](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    PressEnterOnList();
    EXPECT_EQ(message, QString::fromStdString("file " + m_program.Path() + "/Data/Lessons/" +
                                              kLessonName + ".ini doesn't exists"));
}

TEST_F(RunLessonTest, UnreadableLessonIsReportedAndStoresNothing) {
    std::filesystem::remove(m_program / ("Data/Lessons/" + kLessonName + ".ini"));
    std::filesystem::create_directories(m_program / ("Data/Lessons/" + kLessonName + ".ini"));
    OpenChooser();
    QString message;
    OnNextModal<QMessageBox>([&](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    PressEnterOnList();
    EXPECT_TRUE(message.contains(QString::fromStdString(kLessonName + ".ini")))
        << message.toStdString();
    EXPECT_FALSE(std::filesystem::exists(StatFile()));
}

TEST_F(RunLessonTest, LessonWithABackslashInItsFileNameIsStoredUnderItsListedName) {
    WriteFile(m_program / "Data/Lessons/a\\b.ini", "[LESSON]\r\nline=ab\r\n");
    OpenChooser();
    ASSERT_EQ(m_chooser.LessonList().item(0)->text(), QStringLiteral("a\\b"));
    QString title;
    OnNextModal<CResultDlg>([&](CResultDlg& introduction) {
        title = introduction.windowTitle();
        TypeIntoExercise("ab\n", [](CExerciseDlg& exercise) {
            OnNextModal<CResultDlg>([](CResultDlg& result) { result.accept(); });
            exercise.Tick();
        });
        introduction.accept();
    });
    PressEnterOnList();

    EXPECT_EQ(title, QStringLiteral("a\\b"));
    CPupilStats stats;
    stats.Load(StatFile());
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0].lesson, "a\\b");
    EXPECT_TRUE(PaintedSuffix().starts_with("  (zaliczone na "));
}

// A run that cannot reach the pupil's file waits on this computer and is
// stored after the next run that can.
TEST_F(RunLessonTest, ARunThatCannotBeStoredWaitsAndIsDeliveredLater) {
    OpenChooser();
    // Ends the run early after keys; told, when given, receives the message
    // that follows.
    const auto finishEarly = [](QString* told, const QString& keys) {
        AcceptIntroduction([told, keys] {
            TypeIntoExercise(keys, [told](CExerciseDlg& exercise) {
                AnswerNextQuestion(true, nullptr, [told] {
                    if (told)
                        OnNextModal<QMessageBox>([told](QMessageBox& box) {
                            *told = box.text();
                            box.accept();
                        });
                });
                exercise.accept();
            });
        });
    };
    QString message;
    {
        const CScopedFileFault share([](FileCall call, const std::string& path) {
            return call == FileCall::Open && path.ends_with("/stat.dat") ? EIO : 0;
        });
        finishEarly(&message, QString());
        PressEnterOnList();
    }
    EXPECT_TRUE(message.contains(QStringLiteral("zachowano na tym komputerze")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromStdString(StatFile()))) << message.toStdString();
    EXPECT_FALSE(std::filesystem::exists(StatFile()));
    EXPECT_EQ(CountOutbox(Outbox()), 1);

    finishEarly(nullptr, QStringLiteral("asd"));
    PressEnterOnList();
    CPupilStats stats;
    stats.Load(StatFile());
    EXPECT_EQ(stats.size(), 2u);
    EXPECT_EQ(CountOutbox(Outbox()), 0);
}

// After a pass the result window says what the next grade needs and which
// characters went wrong, and "Następna lekcja" opens the next lesson at once.
TEST_F(RunLessonTest, APassedRunOffersTheNextLessonOfTheList) {
    WriteFile(m_program / "Data/Lessons/Zadanie 2.ini", "[LESSON]\r\nline=ab\r\n");
    OpenChooser();
    QString nextStep, nextIntroduction;
    bool offered = false;
    AcceptIntroduction([&] {
        const QString keys = QString::fromStdString(kLine1 + "\nfjfjx\bfjfjfj\n");
        TypeIntoExercise(keys, [&](CExerciseDlg& exercise) {
            OnNextModal<CResultDlg>([&](CResultDlg& result) {
                nextStep = result.NextStep().text();
                offered = result.NextLessonButton().isVisible();
                OnNextModal<CResultDlg>([&](CResultDlg& introduction) {
                    nextIntroduction = introduction.windowTitle();
                    introduction.reject();
                });
                result.NextLessonButton().click();
            });
            exercise.Tick();
        });
    });
    PressEnterOnList();
    EXPECT_TRUE(offered);
    EXPECT_EQ(nextStep.toStdString(), "Do piątki: bez błędów — ćwicz f. Pomyłki: f (1).");
    EXPECT_EQ(nextIntroduction, QStringLiteral("Zadanie 2"));
    EXPECT_EQ(m_chooser.LessonList().currentRow(), 1);
    CPupilStats stats;
    stats.Load(StatFile());
    EXPECT_EQ(stats.size(), 1u);
}

// "Ćwicz trudne klawisze" runs a lesson of the pupil's weakest keys, stored
// under its own name; without enough history it says how much to type.
TEST_F(RunLessonTest, ThePracticeLessonOfTheWeakKeysRunsLikeAnyLesson) {
    OpenChooser();
    m_chooser.SetPracticeRunner(
        [this](const std::string& pupil) { RunWeakKeyLesson(m_context, pupil); });
    auto* practice = m_chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdPracticeButton));
    ASSERT_NE(practice, nullptr);
    EXPECT_EQ(practice->text(), QStringLiteral("Ć&wicz trudne klawisze"));
    QString told;
    OnNextModal<QMessageBox>([&](QMessageBox& box) {
        told = box.text();
        box.accept();
    });
    practice->click();
    EXPECT_TRUE(told.contains(QStringLiteral("jeszcze około 200 znaków"))) << told.toStdString();

    std::vector<KeyPress> presses;
    for (const char key : std::string("asdfjkl \xB3"))
        for (int i = 0; i < 30; ++i)
            presses.push_back({key, !(key == '\xB3' && i < 12), 200});
    StoreKeyPresses(Pupils(), "Ola", presses);
    QString introduced, title;
    OnNextModal<CResultDlg>([&](CResultDlg& introduction) {
        title = introduction.windowTitle();
        for (const QLabel* label : introduction.findChildren<QLabel*>())
            introduced += label->text();
        TypeIntoExercise("", [](CExerciseDlg& exercise) {
            AnswerNextQuestion(true);
            exercise.accept();
        });
        introduction.accept();
    });
    m_chooser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_chooser));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    EXPECT_EQ(title, QStringLiteral("Trudne klawisze"));
    EXPECT_TRUE(introduced.contains(QStringLiteral("Dziś ćwiczysz: ł (39 % błędów, było 59 %).")))
        << introduced.toStdString();
    CPupilStats stats;
    stats.Load(StatFile());
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0].lesson, "Trudne klawisze");
}

// After a run that shows weak keys, the result window offers their practice,
// which follows at once; the chooser says how many keys need it.
TEST_F(RunLessonTest, ARunShowingWeakKeysOffersTheirPractice) {
    std::vector<KeyPress> presses;
    for (const char key : std::string("asdfjkl \xB3"))
        for (int i = 0; i < 30; ++i)
            presses.push_back({key, !(key == '\xB3' && i < 12), 200});
    StoreKeyPresses(Pupils(), "Ola", presses);
    OpenChooser();
    auto* practice = m_chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdPracticeButton));
    EXPECT_EQ(practice->text(), QStringLiteral("Ć&wicz trudne klawisze (1)"));

    QString offer, practiceTitle;
    AcceptIntroduction([&] {
        TypeIntoExercise(QString::fromStdString(kLine1 + "\n" + kLine2 + "\n"),
                         [&](CExerciseDlg& exercise) {
                             OnNextModal<CResultDlg>([&](CResultDlg& result) {
                                 ASSERT_NE(result.PracticeButton(), nullptr);
                                 offer = result.PracticeButton()->text();
                                 OnNextModal<CResultDlg>([&](CResultDlg& introduction) {
                                     practiceTitle = introduction.windowTitle();
                                     introduction.reject();
                                 });
                                 result.PracticeButton()->click();
                             });
                             exercise.Tick();
                         });
    });
    PressEnterOnList();
    EXPECT_EQ(offer, QStringLiteral("Ćwicz: ł"));
    EXPECT_EQ(practiceTitle, QStringLiteral("Trudne klawisze"));
    CPupilStats stats;
    stats.Load(StatFile());
    ASSERT_EQ(stats.size(), 1u) << "the lesson's run is stored before the practice";
    EXPECT_EQ(stats[0].lesson, Utf8ToCp1250(kLessonName));
}

// With the teaching aids off, the chooser and the result window are the
// program's own windows, without what the aids add.
TEST_F(RunLessonTest, WithTheAidsOffTheWindowsHoldNothingTheAidsAdd) {
    WriteFile(m_program / "Data/Lessons/Zadanie 2.ini", "[LESSON]\r\nline=ab\r\n");
    SaveAidsShown(Pupils(), "Ola", false);
    OpenChooser();
    auto* practice = m_chooser.findChild<QPushButton*>(ControlName(CLessonDlg::kIdPracticeButton));
    EXPECT_TRUE(practice->isHidden());
    EXPECT_FALSE(m_chooser.LessonList().HasNextLessonIcon(0));

    bool nextStepShown = true, nextLessonShown = true;
    QSize size, template_;
    AcceptIntroduction([&] {
        TypeIntoExercise(
            QString::fromStdString(kLine1 + "\n" + kLine2 + "\n"), [&](CExerciseDlg& exercise) {
                OnNextModal<CResultDlg>([&](CResultDlg& result) {
                    nextStepShown = result.NextStep().isVisible();
                    nextLessonShown = result.NextLessonButton().isVisible();
                    size = result.size();
                    template_ = DialogUnitsToPixels(result.font(), 0, 0, 282, 121).size();
                    result.accept();
                });
                exercise.Tick();
            });
    });
    PressEnterOnList();
    EXPECT_FALSE(nextStepShown);
    EXPECT_FALSE(nextLessonShown);
    EXPECT_EQ(size, template_);

    SaveAidsShown(Pupils(), "Ola", true);
    OpenChooser();
    EXPECT_FALSE(practice->isHidden());
    const int next = m_chooser.LessonList().NextLessonRow();
    ASSERT_GE(next, 0);
    EXPECT_TRUE(m_chooser.LessonList().HasNextLessonIcon(next));
}

// A run stored by another computer shows when the pupil comes back to the
// window.
TEST_F(RunLessonTest, TheListShowsRunsStoredElsewhereWhenTheWindowIsActivated) {
    OpenChooser();
    ASSERT_EQ(PaintedSuffix(), "  (nie zaliczone)");
    StatRecord run;
    run.lesson = Utf8ToCp1250(kLessonName);
    run.charsPerMinute = 150;
    run.date = COleDateTime::FromDateTime(2026, 12, 7, 10);
    StoreRun(Pupils(), "Ola", run, {});
    QEvent activation(QEvent::ActivationChange);
    m_chooser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_chooser));
    QApplication::sendEvent(&m_chooser, &activation);
    EXPECT_EQ(PaintedSuffix(), "  (zaliczone na 5)");
}

// A run is stored while the windows go on: a save that waits on a slow
// share never holds the window's own work.
TEST_F(RunLessonTest, ARunIsStoredWhileTheWindowGoesOn) {
    OpenChooser();
    std::atomic<bool> windowWentOn{false};
    bool storedWhileTheWindowWentOn = false;
    const CScopedFileFault slowShare([&](FileCall call, const std::string& path) {
        if (call == FileCall::Rename && path.ends_with("/stat.dat")) {
            // The share is slow: the save waits until the window has done
            // something meanwhile, or gives up after a while.
            for (int wait = 0; wait < 2000 && !windowWentOn; ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            storedWhileTheWindowWentOn = windowWentOn;
        }
        return 0;
    });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { windowWentOn = true; });
    AcceptIntroduction([&] {
        TypeIntoExercise(QString::fromStdString(kLine1 + "\n" + kLine2 + "\n"),
                         [&](CExerciseDlg& exercise) {
                             OnNextModal<CResultDlg>([&](CResultDlg& result) {
                                 tick.start(1);
                                 result.accept();
                             });
                             exercise.Tick();
                         });
    });
    PressEnterOnList();
    EXPECT_TRUE(storedWhileTheWindowWentOn);
    CPupilStats stats;
    stats.Load(StatFile());
    EXPECT_EQ(stats.size(), 1u);
}
