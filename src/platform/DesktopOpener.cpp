// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DesktopOpener.h"

#include "platform/ProgramContext.h"

void OpenWithDesktop(const std::string& path, const std::string& workingFolder) {
    if (const auto& open = CProgramContext::Current().openWithDesktop)
        open(path, workingFolder);
}
