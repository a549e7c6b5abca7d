// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Truncate.h"

#include <cmath>

int TruncateToInt(double value, int low, int high) {
    const double truncated = std::isnan(value) ? 0.0 : std::trunc(value);
    if (truncated <= static_cast<double>(low))
        return low;
    if (truncated >= static_cast<double>(high))
        return high;
    return static_cast<int>(truncated);
}
