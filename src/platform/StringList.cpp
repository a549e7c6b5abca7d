// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/StringList.h"

int SplitString(std::string_view text, char delimiter, StringList& list) {
    int count = 0;
    size_t start = 0;
    while (true) {
        const size_t found = text.find(delimiter, start);
        list.emplace_back(
            text.substr(start, found == std::string_view::npos ? text.npos : found - start));
        ++count;
        if (found == std::string_view::npos)
            return count;
        start = found + 1;
    }
}
