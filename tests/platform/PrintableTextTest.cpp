// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrintableText.h"

#include <gtest/gtest.h>

TEST(PrintableText, ControlsAndBrokenBytesAreEscapedAndLettersKept) {
    struct Row {
        const char* text;
        const char* printed;
    };
    const Row rows[] = {
        {"Żółw ą.ini", "Żółw ą.ini"},
        {"a\nb", "a\\x0Ab"},
        {"\x1B[2J", "\\x1B[2J"},
        {"c:\\lekcje", "c:\\\\lekcje"},
        {"\xC2\x85", "\\xC2\\x85"},  // the C1 next-line control
        {"\xFF\xC5", "\\xFF\\xC5"},  // no UTF-8
        {"\x7F", "\\x7F"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PrintableText(row.text), row.printed) << row.text;
}
