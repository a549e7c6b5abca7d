// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <climits>

// Truncation toward zero of a double into [low, high] that stays defined for
// any value the program may meet, such as a speed from a damaged file or a
// division by zero: not-a-number counts as 0, and values beyond the range
// take its nearer end.
int TruncateToInt(double value, int low = INT_MIN, int high = INT_MAX);
