// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// Files a Polish spreadsheet opens by a double-click with letters and
// numbers right: UTF-8 with a byte-order mark, fields split by semicolons,
// numbers with a decimal comma, lines ending in CR LF, a field quoted when
// it holds a semicolon, a quote or a line break. A text that a spreadsheet
// would take for a formula (starting with =, +, -, @, a tab or CR, such as
// a pupil named "=1+1") gets a leading apostrophe.

inline constexpr std::string_view kCsvByteOrderMark = "\xEF\xBB\xBF";

// A text field (UTF-8), kept as text even where it looks like a formula.
std::string CsvText(const std::string& utf8);
// A number with two decimals and a decimal comma.
std::string CsvDecimal(double value);
// One line of fields, each quoted where it needs to be, with its line end.
std::string CsvLine(const std::vector<std::string>& fields);
