// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramContext.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The program's options, which answer on the terminal without opening a
// window (so they also work without a display): --help, --version,
// --check-lessons [FOLDER] and --export-csv FILE. The exit status when the arguments asked for one
// of them or were wrong; nothing when the program should start its windows.
// Removes --teacher from the arguments; true when it stood there. The
// windows then offer the teacher's views.
bool TakeTeacherOption(std::vector<std::string>& arguments);

std::optional<int> RunCommandLine(CProgramContext& program,
                                  const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& errors);
