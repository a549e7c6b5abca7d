// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RunClassTest.h"

#include "app/RunLesson.h"
#include "classtests/Attempts.h"
#include "classtests/TestRunSoFar.h"
#include "classtests/WaitingTestResults.h"
#include "exercise/ExerciseDlg.h"
#include "exercise/Grading.h"
#include "lessons/WrapLines.h"
#include "platform/FileError.h"
#include "platform/MessageBox.h"

#include <QTimer>

#include <cmath>

namespace {

// How often the run so far is kept on this computer while keys come.
constexpr int kKeepRunEveryMs = 3000;

bool ConfirmStart(const TestToTake& offered) {
    const ClassTest& test = offered.test;
    QString question = QStringLiteral("Rozpocząć sprawdzian „%1”? Masz %2.")
                           .arg(QString::fromStdString(test.name),
                                QString::fromStdString(AttemptsText(offered.attemptsLeft)));
    if (test.timeLimitSeconds != kNoTimeLimit)
        question += QStringLiteral(" Czas: %1:%2.")
                        .arg(test.timeLimitSeconds / 60)
                        .arg(test.timeLimitSeconds % 60, 2, 10, QChar('0'));
    question +=
        QStringLiteral("\n\nPodejście liczy się od tej chwili, także gdy zamkniesz program.");
    return AskYesNo(nullptr, question);
}

// The test's text as the typing field takes it: its blank lines only part
// paragraphs.
StringList LinesToType(const ClassTest& test) {
    StringList lines;
    for (const std::string& line : test.lines)
        if (!line.empty())
            lines.push_back(line);
    StringList wrapped;
    WrapLines(lines, wrapped);
    return wrapped;
}

int SecondsUsed(const ExerciseOutcome& outcome) {
    return static_cast<int>(std::lround(SecondsOf(outcome.counts.elapsedMs)));
}

// Keeps the run so far, so that an attempt the program does not live to
// end still gets its result at the next start; a record that cannot be
// written leaves the bare started attempt, which counts all the same.
void KeepRunSoFar(CProgramContext& program, TestRunSoFar& soFar, const ExerciseOutcome& outcome) {
    soFar.run = outcome.record;
    soFar.secondsUsed = SecondsUsed(outcome);
    try {
        KeepTestRunSoFar(program.Folders().outbox, soFar);
    } catch (const FileError&) {
    }
}

// The result goes to the test's folder, or waits beside the run in the
// outbox; an attempt's result is written once.
void SaveResult(CProgramContext& program, const ClassTest& test, const TestResult& result,
                bool shareReached) {
    try {
        if (shareReached) {
            SaveTestResult(program.Folders().pupils, test.id, result);
            return;
        }
    } catch (const FileError&) {
    }
    try {
        KeepTestResultWaiting(program.Folders().outbox, test.id, result);
    } catch (const FileError& error) {
        ShowFileError(nullptr, error);
    }
}

} // namespace

void RunClassTest(CProgramContext& program, const std::string& pupil, const TestToTake& offered,
                  const TimeSource& shareClock) {
    const ClassTest& test = offered.test;
    if (!ConfirmStart(offered))
        return;
    std::optional<int> attempt;
    try {
        attempt = StartAttempt(program.Folders().pupils, test, pupil, shareClock);
    } catch (const FileError& error) {
        ShowFileError(nullptr, error);
        return;
    }
    if (!attempt) {
        ShowMessage(nullptr, QStringLiteral("Tego sprawdzianu nie można już rozpocząć: jest "
                                            "zamknięty albo nie zostało Ci żadne podejście."));
        return;
    }

    CExerciseSession session{program.clock};
    CExerciseDlg exercise(
        session, {program.Folders().pupils, pupil, program.ProgramFolder(), program.errorBeep});
    exercise.SetLines(LinesToType(test));
    if (!test.aidsAllowed)
        exercise.KeepAidsOff();
    if (test.timeLimitSeconds != kNoTimeLimit)
        exercise.SetTimeLimit(test.timeLimitSeconds);
    exercise.TakeAsTest([&test](const StatRecord& run) {
        return MarkOf(test, run.charsPerMinute, run.errorPercent);
    });
    TestRunSoFar soFar{test.id, pupil, *attempt, {}, 0};
    const auto outcomeNow = [&] {
        return session.Outcome(TestLessonName(test), COleDateTime::Now());
    };
    KeepRunSoFar(program, soFar, outcomeNow());
    QTimer keeper;
    keeper.setInterval(kKeepRunEveryMs);
    double keptTyped = 0;
    QObject::connect(&keeper, &QTimer::timeout, [&] {
        if (session.Typing().Typed() == keptTyped)
            return;
        keptTyped = session.Typing().Typed();
        KeepRunSoFar(program, soFar, outcomeNow());
    });
    keeper.start();
    exercise.exec();
    keeper.stop();

    const ExerciseOutcome outcome = outcomeNow();
    const bool endedEarly = !session.IsFinished() && !exercise.TimeRanOut();
    const TestResult result =
        MakeTestResult(test, pupil, *attempt, outcome.record, SecondsUsed(outcome), endedEarly);
    const bool shareReached = StoreRunOf(program, pupil, outcome);
    SaveResult(program, test, result, shareReached);
    ForgetTestRunSoFar(program.Folders().outbox, soFar);
    if (endedEarly)
        ShowMessage(
            nullptr,
            QStringLiteral("Sprawdzian zakończony przed czasem. Ocena: %1").arg(result.mark));
}
