// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Numbers as the C library prints them with "%G" and "%i"; every number the
// lesson, exercise and statistics windows show goes through these two.
std::string FormatG(double value);
std::string FormatInt(int value);

// A number with a fixed count of decimals and a decimal comma, as a Polish
// reader and spreadsheet write it ("123,46"); empty for a value that is not
// a number. The teacher's tables, reports and exports use it.
std::string FormatDecimalComma(double value, int decimals);
