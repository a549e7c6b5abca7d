// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// The Polish alphabetical order of Windows-1250 texts, for lists the core
// sorts itself (the command line's export): a ą b c ć d e ę … z ź ż, letter
// case aside; digits before letters; other characters by their code after
// the letters. Texts equal in that order fall back to their bytes, so the
// order is total.
bool PolishLessCp1250(std::string_view a, std::string_view b);
