// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/RandomLessonSpec.h"

#include "platform/StringList.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::string_view kCSpace = " \t\n\v\f\r";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool DrawsFromEmptySet(const RandomLessonSpec& spec) {
    return spec.characters.empty() && spec.groupLength > 0 && spec.groupCount > 0;
}

} // namespace

long long DrillLineLength(const RandomLessonSpec& spec) {
    const long count = std::max(spec.groupCount, 0L);
    const long length = std::max(spec.groupLength, 0L);
    if (count > kMaxDrillLineLength || length > kMaxDrillLineLength)
        return kMaxDrillLineLength + 1;
    const long long separators =
        count > 0 ? (count - 1) * static_cast<long long>(spec.separator.size()) : 0;
    return count * static_cast<long long>(length) + separators;
}

std::optional<RandomLessonSpec> ParseRandomLessonSpec(std::string_view value) {
    StringList fields;
    if (SplitString(value, '|', fields) != 4)
        return std::nullopt;
    const RandomLessonSpec spec{fields[0], ParseLeadingLong(fields[1]), ParseLeadingLong(fields[2]),
                                fields[3].empty() ? " " : fields[3]};
    if (DrawsFromEmptySet(spec) || DrillLineLength(spec) > kMaxDrillLineLength)
        return std::nullopt;
    return spec;
}

long ParseLeadingLong(std::string_view text) {
    size_t pos = std::min(text.find_first_not_of(kCSpace), text.size());
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    constexpr long kLimit = std::numeric_limits<long>::max();
    long magnitude = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        if (magnitude > (kLimit - digit) / 10)
            return negative ? std::numeric_limits<long>::min() : kLimit;
        magnitude = magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}
