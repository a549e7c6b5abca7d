// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilStats.h"

#include <algorithm>
#include <climits>

void CPupilStats::AddCharErrors(char ch, int32_t n) {
    const auto entry = std::find_if(m_charErrors.begin(), m_charErrors.end(),
                                    [ch](const CharErrorCount& e) { return e.ch == ch; });
    if (entry == m_charErrors.end()) {
        m_charErrors.push_back({ch, n});
        return;
    }
    // A damaged file may hold any count; adding to it must not overflow.
    const int64_t sum = int64_t{entry->count} + n;
    entry->count = static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}
