#include "platform/DesktopOpener.h"

#include "platform/QtText.h"

#include <QProcess>

namespace {
DesktopOpenerHook g_hook;
}

void OpenWithDesktop(const std::string& path, const std::string& workingFolder) {
    if (g_hook) {
        g_hook(path, workingFolder);
        return;
    }
    QProcess::startDetached(QStringLiteral("xdg-open"), {PathToQString(path)},
                            PathToQString(workingFolder));
}

void SetDesktopOpenerForTesting(DesktopOpenerHook hook) {
    g_hook = std::move(hook);
}
