// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/CharErrorCount.h"

#include <string>

// Orders the table by count, largest first, with a Shell sort over the gaps
// 1, 4, 13, 40, ... Characters with equal counts end up in the order this
// sort leaves them, which pupils have always seen, so it stays exactly so.
void SortCharErrorsByCount(CharErrorArray& errors);

// The text of the character box (Windows-1250): a heading and the ten most
// mistyped characters, each followed by " ,".
std::string FormatMostMistypedChars(CharErrorArray errors);
