// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TypingApp.h"

#include "app/RunClassTest.h"
#include "app/RunLesson.h"
#include "app/WaitingResults.h"
#include "chooser/LessonDlg.h"
#include "classtests/LeftAttempts.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/QtText.h"
#include "pupils/PupilsFolderCheck.h"

#include <filesystem>

namespace {

// A pupils folder that cannot be used (a share not mounted) is told at
// once; runs then wait on this computer until it is back.
void WarnOfUnavailablePupilsFolder(const PupilsFolder& pupils) {
    const std::optional<FileError> problem = PupilsFolderProblem(pupils);
    if (!problem)
        return;
    ShowMessage(nullptr,
                QStringLiteral("Folder uczniów jest niedostępny:\n%1\n\nWyniki lekcji zostaną "
                               "zachowane na tym komputerze i dopisane, gdy folder będzie "
                               "dostępny (ustawienie PupilsFolder w tastrum.conf albo zmienna "
                               "TASTRUM_PUPILS).")
                    .arg(QString::fromStdString(problem->what())));
}

// Runs kept while the share was away are stored as soon as it is back.
void DeliverWaitingRuns(const ProgramFolders& folders) {
    const int delivered = DeliverWaitingResults(folders);
    if (delivered > 0)
        ShowMessage(nullptr, QStringLiteral("Zapisano w folderze uczniów wyniki zachowane "
                                            "wcześniej na tym komputerze: %1.")
                                 .arg(delivered));
}

// The user's own lessons folder is made at the first start, so that a
// teacher finds where to put lessons.
void MakeOwnLessonsFolder(const ProgramFolders& folders) {
    std::error_code ignored;
    const std::string& own = folders.ownLessons;
    if (!own.empty())
        std::filesystem::create_directories(own, ignored);
}

} // namespace

int CTypingApp::Run() {
    const ProgramFolders& folders = m_program.Folders();
    MakeOwnLessonsFolder(folders);
    WarnOfUnavailablePupilsFolder(folders.pupils);
    EndLeftAttempts(folders.outbox, folders.pupils);
    DeliverWaitingRuns(folders);
    CLessonDlg chooser(folders, m_program.teacherMode);
    chooser.SetPracticeRunner(
        [this](const std::string& pupil) { RunWeakKeyLesson(m_program, pupil); });
    chooser.SetLessonRunner(
        [this](const std::string& pupil, const std::string& path, bool offerNext) {
            return RunLesson(m_program, pupil, path, offerNext);
        });
    chooser.SetTestRunner([this, &folders](const std::string& pupil, const TestToTake& test) {
        RunClassTest(m_program, pupil, test, [&folders] { return ShareNow(folders.pupils); });
    });
    chooser.Start();
    return 0;
}
