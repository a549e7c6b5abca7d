// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// An ordered list of texts: lesson lines, drill fields, pupil names.
using StringList = std::vector<std::string>;

// Appends the pieces of text cut at every delimiter (empty pieces included)
// to list and returns how many it appended: always delimiters + 1.
int SplitString(std::string_view text, char delimiter, StringList& list);
