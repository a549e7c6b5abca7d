// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Starts the desktop's opener (xdg-open) on the file, in the working folder,
// without waiting: the program's own opener for its context. When the opener
// cannot be started, a message names the file and what is missing.
void LaunchWithDesktop(const std::string& path, const std::string& workingFolder);
