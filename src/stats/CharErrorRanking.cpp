// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/CharErrorRanking.h"

#include "platform/Cp1250.h"

#include <algorithm>
#include <utility>

namespace {

constexpr size_t kCharsShown = 10;

// The largest gap of the sequence 1, 4, 13, 40, ... that is smaller than n.
size_t LargestGapBelow(size_t n) {
    size_t gap = 1;
    while (gap * 3 + 1 < n)
        gap = gap * 3 + 1;
    return gap;
}

} // namespace

void SortCharErrorsByCount(CharErrorArray& errors) {
    const size_t n = errors.size();
    if (n < 2)
        return;
    for (size_t gap = LargestGapBelow(n); gap > 0; gap /= 3) {
        for (size_t i = gap; i < n; ++i) {
            for (size_t j = i; j >= gap && errors[j].count > errors[j - gap].count; j -= gap)
                std::swap(errors[j], errors[j - gap]);
        }
    }
}

std::string FormatMostMistypedChars(CharErrorArray errors) {
    SortCharErrorsByCount(errors);
    std::string text = Utf8ToCp1250("Ogółem, najwięcej problemów sprawiają znaki:\r\n");
    const size_t shown = std::min(kCharsShown, errors.size());
    for (size_t i = 0; i < shown; ++i) {
        text += errors[i].ch;
        text += " ,";
    }
    return text;
}
