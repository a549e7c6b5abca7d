// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// A text to print on a terminal as one line that cannot forge another:
// control characters (line breaks and ESC among them, and the C1 controls)
// and bytes that are not UTF-8 are written as \xHH escapes, and a backslash
// as \\.
std::string PrintableText(std::string_view text);
