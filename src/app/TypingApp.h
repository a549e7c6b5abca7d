// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramContext.h"

// The program: runs the lesson chooser as its one main window and ends when
// the chooser closes.
class CTypingApp {
public:
    explicit CTypingApp(CProgramContext& program) : m_program(program) {}
    int Run();

private:
    CProgramContext& m_program;
};
