// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// One random drill of a lesson, written "characters|group length|group
// count|separator".
struct RandomLessonSpec {
    std::string characters;
    long groupLength = 0;
    long groupCount = 0;
    std::string separator; // never empty: an empty field means " "
};

// Drill lines longer than this are mistakes in the lesson file, not drills
// a pupil could type.
constexpr long kMaxDrillLineLength = 100000;

// The length of the line the drill generates, or kMaxDrillLineLength + 1
// for any drill longer than that (so nothing here can overflow).
long long DrillLineLength(const RandomLessonSpec& spec);

// The drill a lesson value describes, or nothing when the value is not a
// usable drill: not exactly four fields, no characters to draw from while
// there is something to draw, or a line longer than kMaxDrillLineLength.
std::optional<RandomLessonSpec> ParseRandomLessonSpec(std::string_view value);

// The number at the start of text as the C library's atol reads it (white
// space skipped, an optional sign, the leading digits; 0 without digits),
// except that a number beyond the range of long is held at its limit.
long ParseLeadingLong(std::string_view text);
