#include "platform/DesktopLauncher.h"

#include "platform/QtText.h"

#include <QProcess>

void LaunchWithDesktop(const std::string& path, const std::string& workingFolder) {
    QProcess::startDetached(QStringLiteral("xdg-open"), {PathToQString(path)},
                            PathToQString(workingFolder));
}
