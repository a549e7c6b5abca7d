// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/KeyStats.h"

#include <vector>

// A key the pupil should practise, and why.
struct WeakKey {
    char key;              // Windows-1250, a capital apart from its letter
    double score;          // how many times worse than the pupil's usual
    double errorRate;      // recent first-try error rate, 0 to 1
    double usualErrorRate; // the same of the pupil's other keys
    double worstErrorRate; // the highest the key's rate has been
    double msPerPress;     // recent time per right press; 0 when not timed yet
    bool slow;             // found clearly more slowly than keys typed the same way
};

// A pupil's practice lesson needs this many measured presses.
constexpr int kPressesForPractice = 200;

// The keys that are clearly weak for this pupil, weakest first. A key is
// judged against the pupil, never against a fixed rate:
// - by its errors: its recent error rate is more than 1.5 times that of the
//   pupil's other keys, with at least 3 recent errors and enough presses
//   that chance alone would hardly give so many; and its last presses are
//   not back at the pupil's usual rate (a mended key leaves the list);
// - or by its time: a right press takes more than 1.5 times the median of
//   the pupil's keys typed the same way (plain, with Shift, with AltGr),
//   so a chord's own time is never held against its letter.
// The space bar, Enter and Tab are no keys to drill. The score is the
// larger of the two ratios.
std::vector<WeakKey> RankWeakKeys(const CKeyStats& stats);
