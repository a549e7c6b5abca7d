// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseDlg.h"

#include "ModalWindow.h"
#include "exercise/ResultDlg.h"
#include "exercise/TypingEdit.h"
#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"
#include "platform/HelpFile.h"
#include "platform/HelpWindow.h"
#include "platform/ProgramContext.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString TextOf(const QWidget& dialog, int id) {
    return dialog.findChild<QLabel*>(ControlName(id))->text();
}

void Click(QWidget& dialog, int id) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(ControlName(id)), Qt::LeftButton);
}

CTypingEdit& TypingOf(QWidget& exercise) {
    return *exercise.findChild<CTypingEdit*>();
}

struct ResultSeen {
    QString title, headline, details;
};

// Reads the result window when it opens and closes it with button id.
void CloseResultWith(int id, ResultSeen& seen) {
    OnNextModal<CResultDlg>([id, &seen](CResultDlg& result) {
        seen = {result.windowTitle(), TextOf(result, CResultDlg::kIdHeadline),
                TextOf(result, CResultDlg::kIdDetails)};
        Click(result, id);
    });
}

} // namespace

TEST(ExerciseDlg, TypingTheLessonToTheEndShowsTheVerdictThenAccepts) {
    CExerciseSession exerciseSession{TickSource::SteadyClock()};
    CExerciseDlg exercise(exerciseSession);
    exercise.SetLines({"ab", "c"});
    OnNextModal<CExerciseDlg>([](CExerciseDlg& window) {
        CTypingEdit& typing = TypingOf(window);
        QTest::keyClicks(&typing, "ab");
        QTest::keyClick(&typing, Qt::Key_Return);
        QTest::keyClicks(&typing, "c");
        QTest::keyClick(&typing, Qt::Key_Enter);
        window.Tick();
    });
    ResultSeen seen;
    CloseResultWith(kIdCancel, seen); // the exercise is over whichever button

    EXPECT_EQ(exercise.exec(), QDialog::Accepted);
    const QString verdict =
        "Gratulacje! Zaliczone na bardzo dobry, możesz przejść do nastepnego ćwiczenia.";
    EXPECT_EQ(seen.title, verdict);
    EXPECT_EQ(seen.headline, verdict);
    EXPECT_TRUE(seen.details.startsWith("Twoja ocena to: 5 (w skali od 1 do 5)\nCzas wykonania: "))
        << seen.details.toStdString();
    EXPECT_TRUE(seen.details.endsWith("\nBłędów: 0"));
    EXPECT_EQ(exerciseSession.Typing().Correct(), 4);
    EXPECT_EQ(exerciseSession.Typing().Typed(), 4);
    EXPECT_TRUE(exerciseSession.Typing().Stopwatch().IsStopped());
    EXPECT_EQ(TextOf(exercise, CExerciseDlg::kIdErrors), "Błędów: 0");
}

TEST(ExerciseDlg, EnterNeverClosesButEndOfTestAcceptsAtAnyMoment) {
    CExerciseSession exerciseSession{TickSource::SteadyClock()};
    CExerciseDlg exercise(exerciseSession);
    exercise.SetLines({"ab", "c"});
    OnNextModal<CExerciseDlg>([](CExerciseDlg& window) {
        QTest::keyClicks(&TypingOf(window), "x");
        QTest::keyClick(&TypingOf(window), Qt::Key_Return);
        window.Tick();
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(TextOf(window, CExerciseDlg::kIdErrors), "Błędów: 1");
        EXPECT_EQ(TextOf(window, CExerciseDlg::kIdTime), "Czas: 0 sekund");
        // Before the text is done the window asks; "Nie" keeps the pupil typing.
        QString asked;
        AnswerNextQuestion(false, &asked);
        Click(window, kIdOk);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(asked.toStdString(), "Zakończyć ćwiczenie? Przepisano dopiero 25% tekstu.");
        AnswerNextQuestion(true);
        Click(window, kIdOk);
    });
    EXPECT_EQ(exercise.exec(), QDialog::Accepted);
    EXPECT_FALSE(exerciseSession.Typing().IsFinished());
    EXPECT_FALSE(exerciseSession.Typing().Stopwatch().IsStopped());
}

TEST(ExerciseDlg, EscapeAndTheCloseButtonReject) {
    CExerciseSession escapedSession{TickSource::SteadyClock()};
    CExerciseDlg escaped(escapedSession);
    escaped.SetLines({"ab"});
    OnNextModal<CExerciseDlg>(
        [](CExerciseDlg& window) { QTest::keyClick(&TypingOf(window), Qt::Key_Escape); });
    EXPECT_EQ(escaped.exec(), QDialog::Rejected);

    CExerciseSession closedSession{TickSource::SteadyClock()};
    CExerciseDlg closed(closedSession);
    closed.SetLines({"ab"});
    OnNextModal<CExerciseDlg>([](CExerciseDlg& window) { window.close(); });
    EXPECT_EQ(closed.exec(), QDialog::Rejected);

    // Once anything is typed, a slip on Escape or the close box asks first.
    CExerciseSession typedSession{TickSource::SteadyClock()};
    CExerciseDlg typed(typedSession);
    typed.SetLines({"ab"});
    OnNextModal<CExerciseDlg>([](CExerciseDlg& window) {
        QTest::keyClicks(&TypingOf(window), "a");
        QString asked;
        AnswerNextQuestion(false, &asked);
        QTest::keyClick(&TypingOf(window), Qt::Key_Escape);
        EXPECT_EQ(asked, QStringLiteral("Przerwać ćwiczenie? Wynik nie zostanie zapisany."));
        EXPECT_TRUE(window.isVisible());
        AnswerNextQuestion(true);
        window.close();
    });
    EXPECT_EQ(typed.exec(), QDialog::Rejected);
}

TEST(ExerciseDlg, EmptyLessonWarnsThenFinishesOnEnter) {
    CExerciseSession exerciseSession{TickSource::SteadyClock()};
    CExerciseDlg exercise(exerciseSession);
    exercise.SetLines({});
    QString warning;
    OnNextModal<QMessageBox>([&warning](QMessageBox& box) {
        warning = box.text();
        box.accept();
        OnNextModal<CExerciseDlg>([](CExerciseDlg& window) {
            QTest::keyClick(&TypingOf(window), Qt::Key_Return);
            window.Tick();
        });
    });
    ResultSeen seen;
    CloseResultWith(kIdOk, seen);
    EXPECT_EQ(exercise.exec(), QDialog::Accepted);
    EXPECT_EQ(warning, "error: empty lesson, crash possible");
    EXPECT_EQ(seen.headline, "Nie zaliczone. Wpisu do indeksu nie dostaniesz.");
}

TEST(ExerciseDlg, AfterHelpTheKeysGoOnToTheExercise) {
    bool helpShown = false;
    CExerciseSession session{TickSource::SteadyClock()};
    CExerciseDlg exercise(session);
    exercise.SetLines({"a b"});
    OnNextModal<CExerciseDlg>([&helpShown](CExerciseDlg& window) {
        Click(window, CExerciseDlg::kIdHelpButton);
        helpShown = ShownHelpWindow() != nullptr;
        QTest::keyClicks(window.focusWidget(), "a ");
        AnswerNextQuestion(true);
        window.reject();
    });
    exercise.exec();
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(session.Typing().Correct(), 2);
}

namespace {

CExerciseDlg::LayoutSource Layout(const char* name) {
    return [name] { return std::optional<std::string>(name); };
}

const QString kLayoutWarning = QStringLiteral("Ustaw polski układ klawiatury (Polski programisty)");

} // namespace

// With the aids off the window stays the exercise window alone: a layout
// that cannot type the lesson is told once, in a message, as it opens.
TEST(ExerciseDlg, WithoutTheAidsAnotherLayoutIsToldAsTheExerciseOpens) {
    CExerciseSession session{TickSource::SteadyClock()};
    CExerciseDlg exercise(session, {}, nullptr, Layout("us"));
    exercise.ShowKeyboard(false);
    exercise.SetLines({Utf8ToCp1250("ąę")});
    QString told;
    OnNextModal<QMessageBox>([&told](QMessageBox& box) {
        told = box.text();
        box.accept();
        OnNextModal<CExerciseDlg>([](CExerciseDlg& window) { window.reject(); });
    });
    exercise.exec();
    exercise.ShowKeyboard(true);
    EXPECT_EQ(told, kLayoutWarning);
}

// A Polish layout, a lesson without Polish letters, or the warning above
// the on-screen keyboard: the exercise opens at once.
TEST(ExerciseDlg, OpensWithoutAMessageWhenTheLayoutTypesTheLesson) {
    struct Case {
        const char* layout;
        const char* line;
        bool aids;
    };
    for (const Case& c :
         {Case{"pl", "ąę", false}, Case{"us", "abc", false}, Case{"us", "ąę", true}}) {
        CExerciseSession session{TickSource::SteadyClock()};
        CExerciseDlg exercise(session, {}, nullptr, Layout(c.layout));
        exercise.ShowKeyboard(c.aids);
        exercise.SetLines({Utf8ToCp1250(c.line)});
        QDialog* first = nullptr;
        OnNextModal<QDialog>([&first, &exercise](QDialog& window) {
            first = &window;
            if (&window == &exercise)
                return window.reject();
            window.accept();
            OnNextModal<CExerciseDlg>([](CExerciseDlg& later) { later.reject(); });
        });
        exercise.exec();
        exercise.ShowKeyboard(true);
        EXPECT_EQ(first, &exercise) << c.layout << " " << c.line;
    }
}
