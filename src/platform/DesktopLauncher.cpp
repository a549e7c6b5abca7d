// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DesktopLauncher.h"

#include "platform/MessageBox.h"
#include "platform/QtText.h"

#include <QProcess>

void LaunchWithDesktop(const std::string& path, const std::string& workingFolder) {
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {PathToQString(path)},
                                PathToQString(workingFolder)))
        return;
    ShowMessage(nullptr, QStringLiteral("Nie udało się otworzyć pliku:\n%1\n\nBrak programu xdg-open, "
                                        "który otwiera dokumenty (pakiet xdg-utils). Poproś "
                                        "administratora o jego zainstalowanie.")
                             .arg(PathToQString(path)));
}
