// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CsvFields.h"

#include "platform/Format.h"

namespace {

const char* const kLineEnd = "\r\n";

// Characters that make a spreadsheet read the rest as a formula.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

constexpr int kDecimals = 2;

std::string Field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

} // namespace

std::string CsvText(const std::string& utf8) {
    if (!utf8.empty() && kFormulaStarts.find(utf8.front()) != std::string_view::npos)
        return "'" + utf8;
    return utf8;
}

std::string CsvDecimal(double value) {
    return FormatDecimalComma(value, kDecimals);
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        line += (i ? ";" : "") + Field(fields[i]);
    return line + kLineEnd;
}
