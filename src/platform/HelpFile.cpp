// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HelpFile.h"

#include "platform/HelpWindow.h"

#include <QApplication>
#include <QPointer>

namespace {

// One help window at a time, beside the window that asked for it.
QPointer<CHelpWindow> g_shown;

} // namespace

const CHelpWindow* ShownHelpWindow() {
    return g_shown && g_shown->isVisible() ? g_shown.data() : nullptr;
}

void OpenHelpFile(const std::string& programFolder) {
    QPointer<CHelpWindow>& shown = g_shown;
    if (!shown) {
        shown = new CHelpWindow(QString::fromStdString(programFolder + "/help"),
                                QApplication::activeWindow());
        shown->setAttribute(Qt::WA_DeleteOnClose);
        // Help asked for in the middle of an exercise leaves the keys to it.
        shown->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    shown->show();
}
