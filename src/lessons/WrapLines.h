// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/StringList.h"

#include <string_view>

// Model lines must fit the typing field: a longer line is broken at a space
// or punctuation mark near the width, or cut at the width when there is none.
constexpr size_t kWrapWidth = 45;
constexpr size_t kWrapSlack = 10; // how far before the width a break may lie
constexpr std::string_view kBreakCharacters = " ,.-";

// Appends every line of source to destination, wrapping those longer than
// the width.
void WrapLines(const StringList& source, StringList& destination);

// Appends text to destination in pieces of at most width + 1 characters. A
// piece ends with its break character (at most slack characters before the
// width), or is cut after width + 1 characters when there is no such break.
void WrapLine(std::string_view text, StringList& destination, size_t width, size_t slack);

// The last position at or before start whose character is in set, or -1.
long FindLastBreak(std::string_view set, std::string_view text, long start);
