// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RunLesson.h"

#include "app/WaitingResults.h"
#include "exercise/ExerciseDlg.h"
#include "exercise/ExerciseSession.h"
#include "exercise/ResultDlg.h"
#include "exercise/WeakKeyLesson.h"
#include "exercise/WeakKeys.h"
#include "lessons/LessonFile.h"
#include "lessons/LessonLines.h"
#include "lessons/LessonPaths.h"
#include "lessons/WordList.h"
#include "lessons/WrapLines.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/FolderScan.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/QtText.h"
#include "platform/WorkBesideWindows.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/Outbox.h"
#include "pupils/PupilRegistry.h"
#include "pupils/StoreRun.h"

namespace {

// The program and the pupil (Windows-1250) a run is for.
struct RunFor {
    CProgramContext& program;
    const std::string& pupil;

    const PupilsFolder& Pupils() const { return program.Folders().pupils; }
};

// The description and the name are Windows-1250.
bool Introduce(const RunFor& run, const std::string& description, const std::string& lessonName) {
    CResultDlg introduction(run.program.ProgramFolder());
    introduction.SetTexts(description, lessonName);
    return introduction.exec() == QDialog::Accepted;
}

// The lesson's companion document opens beside the exercise; one that is
// missing, or would lie outside the program folder, opens nothing.
void OpenCompanionDocument(const RunFor& run, const LessonFile& lesson) {
    const std::string target = CompanionDocumentPath(lesson, run.program.ProgramFolder());
    if (FileExists(target) && run.program.openWithDesktop)
        run.program.openWithDesktop(target, GetFolderOfPath(target));
}

// A lesson too big for the computer's memory is told as such, never ends
// the program; the lines are then empty and the lesson ends there.
StringList LinesToType(const RunFor& run, const LessonFile& lesson, const std::string& lessonName) {
    StringList wrapped;
    try {
        WrapLines(BuildLessonLines(lesson, lessonName, run.program.random), wrapped);
    } catch (const FileError&) {
        throw;
    } catch (const std::exception& error) {
        ShowMessage(nullptr, QStringLiteral("Nie udało się przygotować tekstu tej lekcji (") +
                                 QString::fromLocal8Bit(error.what()) +
                                 QStringLiteral("). Lekcja jest za duża dla tego komputera."));
        wrapped.clear();
    }
    return wrapped;
}

// A run that cannot reach the pupil's folder waits on this computer; the
// pupil hears which of the two became of it.
void KeepUndeliveredRun(const RunFor& run, const ExerciseOutcome& outcome, const FileError& error) {
    try {
        KeepInOutbox(run.program.Folders().outbox, run.pupil, outcome.record, outcome.charErrors);
    } catch (const FileError& outboxError) {
        ShowMessage(nullptr, QStringLiteral("Wyniku tej lekcji nie zapisano.\n\n%1\n\n%2")
                                 .arg(QString::fromStdString(error.what()),
                                      QString::fromStdString(outboxError.what())));
        return;
    }
    ShowMessage(nullptr,
                QStringLiteral("Wyniku nie udało się teraz zapisać w folderze ucznia:\n%1\n\n"
                               "Wynik zachowano na tym komputerze. Zostanie dopisany do wyników "
                               "ucznia, gdy folder znów będzie dostępny.")
                    .arg(QString::fromStdString(error.what())));
}

// The keys' measurements serve the practice lesson only; a run whose
// measurements cannot be kept is still a stored run, so the pupil is not
// troubled with it. They go first: a pupil measured for the first time
// starts from the errors stat.dat counted before this run.
void StoreKeyMeasurements(const RunFor& run, const ExerciseOutcome& outcome) {
    try {
        StoreKeyPresses(run.Pupils(), run.pupil, outcome.keyPresses);
    } catch (const FileError&) {
    }
}

// The pupil's key measurements as they stand; none when they cannot be read,
// as they only serve the practice.
CKeyStats KeyStatsOrNone(const RunFor& run) {
    try {
        return LoadKeyStats(run.Pupils(), run.pupil);
    } catch (const FileError&) {
        return {};
    }
}

void RunWeakKeyLessonOf(const RunFor& run, const CKeyStats& stats);

// Runs the exercise of the lines and stores a finished run; true when the
// pupil asked for the next lesson. A practice of keys shows how they went;
// after any other run the pupil may ask for one, which follows at once.
bool ExerciseAndStore(const RunFor& run, const std::string& lessonName, const StringList& lines,
                      bool offerNextLesson, std::vector<WeakKey> practised = {}) {
    CExerciseSession session{run.program.clock};
    CExerciseDlg exercise(
        session, {run.Pupils(), run.pupil, run.program.ProgramFolder(), run.program.errorBeep});
    exercise.SetLines(lines);
    exercise.SetKeyStats(KeyStatsOrNone(run), std::move(practised));
    if (offerNextLesson)
        exercise.OfferNextLesson();
    if (exercise.exec() != QDialog::Accepted)
        return false;
    StoreRunOf(run.program, run.pupil, session.Outcome(lessonName, COleDateTime::Now()));
    if (exercise.PracticeAsked())
        RunWeakKeyLessonOf(run, KeyStatsOrNone(run));
    return exercise.NextLessonAsked();
}

bool RunExistingLesson(const RunFor& run, const std::string& path, bool offerNextLesson) {
    const LessonFile lesson(path);
    const std::string lessonName = Utf8ToCp1250(GetFileTitleOfPath(path));
    if (!Introduce(run, lesson.ReadString("General", "description", ""), lessonName))
        return false;
    OpenCompanionDocument(run, lesson);

    const StringList lines = LinesToType(run, lesson, lessonName);
    if (lines.empty())
        return false;
    return ExerciseAndStore(run, lessonName, lines, offerNextLesson);
}

void RunWeakKeyLessonOf(const RunFor& run, const CKeyStats& stats) {
    if (const int missing = kPressesForPractice - stats.TotalPresses(); missing > 0) {
        ShowMessage(nullptr, QStringLiteral("Jeszcze za mało wiem o Twoich klawiszach. Przepisz "
                                            "w zwykłych lekcjach jeszcze około %1 znaków, a "
                                            "przygotuję ćwiczenie z tych, które sprawiają Ci "
                                            "kłopot.")
                                 .arg(missing));
        return;
    }
    const WeakKeyLesson lesson =
        MakeWeakKeyLesson(stats, SchoolWordList(run.program.Folders()), run.program.random);
    if (lesson.keys.empty()) {
        ShowMessage(nullptr, QStringLiteral("Brawo! Teraz żaden klawisz nie sprawia Ci "
                                            "kłopotu. Ćwicz dalej zwykłe lekcje."));
        return;
    }
    if (Introduce(run, Utf8ToCp1250(WeakKeysIntroduction(lesson.keys)), kWeakKeyLessonName))
        ExerciseAndStore(run, kWeakKeyLessonName, lesson.lines, false, lesson.keys);
}

} // namespace

bool StoreRunOf(CProgramContext& program, const std::string& pupil,
                const ExerciseOutcome& outcome) {
    const RunFor run{program, pupil};
    StoreRunResult result;
    std::optional<FileError> failed;
    WorkBesideWindows(QStringLiteral("Zapisywanie wyniku…"), [&] {
        StoreKeyMeasurements(run, outcome);
        try {
            result = StoreRun(run.Pupils(), run.pupil, outcome.record, outcome.charErrors);
        } catch (const FileError& error) {
            failed = error;
        }
    });
    if (failed) {
        KeepUndeliveredRun(run, outcome, *failed);
        return false;
    }
    if (!result.notice.empty())
        ShowMessage(nullptr, QString::fromStdString(result.notice));
    WorkBesideWindows(QStringLiteral("Zapisywanie wyników, które czekały na tym komputerze…"),
                      [&run] { DeliverWaitingResults(run.program.Folders()); });
    return true;
}

void RunWeakKeyLesson(CProgramContext& program, const std::string& pupil) {
    const RunFor run{program, pupil};
    try {
        RunWeakKeyLessonOf(run, LoadKeyStats(run.Pupils(), pupil));
    } catch (const FileError& error) {
        ShowFileError(nullptr, error);
    }
}

bool RunLesson(CProgramContext& program, const std::string& pupil, const std::string& path,
               bool offerNextLesson) {
    if (!FileExists(path)) {
        ShowMessage(nullptr, QStringLiteral("file ") + PathToQString(path) +
                                 QStringLiteral(" doesn't exists"));
        return false;
    }
    try {
        return RunExistingLesson({program, pupil}, path, offerNextLesson);
    } catch (const FileError& error) {
        ShowFileError(nullptr, error);
        return false;
    }
}
