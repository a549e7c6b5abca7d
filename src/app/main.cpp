#include "app/TypingApp.h"

#include "platform/DesktopLauncher.h"
#include "platform/ErrorSound.h"
#include "platform/Icons.h"
#include "platform/ProgramContext.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tastrum"));
    QApplication::setApplicationVersion(QStringLiteral(TASTRUM_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tastrum.Tastrum"));
    QApplication::setWindowIcon(ProgramIcon());

    CProgramContext context(ExecutableFolder());
    CErrorSound errorSound;
    context.openWithDesktop = &LaunchWithDesktop;
    context.loadErrorSound = [&errorSound] { errorSound.Load(); };
    context.playErrorSound = [&errorSound] { errorSound.Play(); };
    return CTypingApp().Run();
}
