#include "app/TypingApp.h"

#include "platform/Icons.h"
#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tastrum"));
    QApplication::setDesktopFileName(QStringLiteral("org.tastrum.Tastrum"));
    QApplication::setWindowIcon(ProgramIcon());
    return CTypingApp().Run();
}
