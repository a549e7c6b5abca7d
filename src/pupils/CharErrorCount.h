// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// One mistyped model character (Windows-1250 byte) and how often it was
// mistyped. Entries are matched by ch alone and kept in order of first error.
struct CharErrorCount {
    char ch = 0;
    int32_t count = 0;

    bool operator==(const CharErrorCount&) const = default;
};

using CharErrorArray = std::vector<CharErrorCount>;
