#include "platform/HelpFile.h"

#include "platform/HelpWindow.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QPointer>

void OpenHelpFile() {
    // One help window at a time, beside the window that asked for it.
    static QPointer<CHelpWindow> shown;
    if (!shown) {
        shown = new CHelpWindow(QString::fromStdString(GetProgramFolder() + "/help"),
                                QApplication::activeWindow());
        shown->setAttribute(Qt::WA_DeleteOnClose);
    }
    shown->show();
    shown->raise();
}
