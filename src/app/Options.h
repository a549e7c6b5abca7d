// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// The program's command-line options in one table, from which both the
// --help text (Polish) and the OPTIONS section of the manual page (English,
// roff) are made, so the two never drift apart.
struct ProgramOption {
    const char* usage;    // as --help shows it: "--check-lessons [FOLDER]"
    const char* manUsage; // the roff line naming it in the manual page
    const char* help;     // Polish, lines separated by '\n'
    const char* man;      // roff body in English
};

const std::vector<ProgramOption>& ProgramOptions();

// What --help prints.
std::string UsageText();

// The OPTIONS section's body of the manual page.
std::string ManualOptions();

// The same in Polish, from the texts --help prints.
std::string PolishManualOptions();

// The manual page from its template: the line "%OPTIONS%" becomes
// ManualOptions(), the line "%OPCJE%" PolishManualOptions().
std::string ManualPage(const std::string& manualTemplate);
