// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Opens a file with the desktop's default application, in the given working
// folder, without waiting, through the program context's opener. A missing
// file or application stays silent.
void OpenWithDesktop(const std::string& path, const std::string& workingFolder);
