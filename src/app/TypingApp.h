// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program: runs the lesson chooser as its one main window and ends when
// the chooser closes.
class CTypingApp {
public:
    int Run();
};
