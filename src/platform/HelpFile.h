// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

class CHelpWindow;

// Shows help/index.htm of the program folder in the program's own help
// window (CHelpWindow), one at a time, without waiting and without taking
// the keys from the window that asked.
void OpenHelpFile(const std::string& programFolder);

// The help window shown; nullptr when there is none.
const CHelpWindow* ShownHelpWindow();
