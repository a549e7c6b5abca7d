// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <compare>
#include <string_view>

// The Polish alphabetical order of Windows-1250 texts, the one order of
// every list the program shows: the core's (the class store, the CSV export)
// and, through PolishLess, the windows' lists and tables. a ą b c ć d e ę …
// z ź ż, letter case aside; letters of other languages with their plain
// letter (é with e, ü with u); digits before letters; other characters by
// their code after the letters.
//
// Texts equal but for letter case are equivalent here: a window's list keeps
// them in the order they came.
std::weak_ordering PolishOrderCp1250(std::string_view a, std::string_view b);
// The same order made total: texts equal in it fall back to their bytes.
bool PolishLessCp1250(std::string_view a, std::string_view b);
