// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "app/TypingApp.h"

#include "app/TeachersView.h"
#include "platform/DesktopLauncher.h"
#include "platform/ErrorSound.h"
#include "platform/Icons.h"
#include "platform/InstantButtons.h"
#include "platform/ProgramContext.h"
#include "platform/QtTranslation.h"
#include "platform/Settings.h"
#include "platform/TeacherAccess.h"

#include <QApplication>
#include <QTranslator>

#include <iostream>

int main(int argc, char** argv) {
    CProgramContext context(
        FindProgramFolders(ExecutableFolder(), SchoolPupilsFolder(), SchoolLessonsFolder()));
    std::vector<std::string> arguments(argv + 1, argv + argc);
    context.teacherMode = TakeTeacherOption(arguments) || TeacherModeSetting();
    const TeacherAccess teacherAccess = DecideTeacherAccess(
        GatherTeacherAccessFacts(context.Folders().pupils, kAdministratorsFolder));
    // The program's own options start with "--" and need no display.
    if (!arguments.empty() && arguments.front().starts_with("--"))
        if (const std::optional<int> status =
                RunCommandLine(context, arguments, std::cout, std::cerr))
            return *status;

    // Qt's options (-platform, -style, -reverse, ...) are Qt's: QApplication
    // takes them out of argv, and only what it leaves is judged here.
    QApplication application(argc, argv);
    arguments.assign(argv + 1, argv + argc);
    TakeTeacherOption(arguments);
    if (const std::optional<int> status = RunCommandLine(context, arguments, std::cout, std::cerr))
        return *status;
    // The teacher's windows are told apart from the pupils' by the desktop
    // (their own menu entry, window class and Wayland application id).
    QApplication::setApplicationName(context.teacherMode ? QStringLiteral("TastrumTeacher")
                                                         : QStringLiteral("Tastrum"));
    QApplication::setApplicationVersion(QStringLiteral(TASTRUM_VERSION));
    QApplication::setDesktopFileName(context.teacherMode
                                         ? QStringLiteral("org.tastrum.tastrum.teacher")
                                         : QStringLiteral("org.tastrum.tastrum"));
    QApplication::setWindowIcon(ProgramIcon());
    QTranslator qtTexts;
    InstallQtTranslation(qtTexts);
    if (context.teacherMode)
        context.teacherMode = OpenTeachersView(teacherAccess);

    const CInstantButtons instantButtons;
    CErrorSound errorSound(context.ProgramFolder());
    context.openWithDesktop = &LaunchWithDesktop;
    context.errorBeep = {[&errorSound] { errorSound.Load(); },
                         [&errorSound] { errorSound.Play(); }};
    return CTypingApp(context).Run();
}
