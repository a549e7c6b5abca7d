// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The fingers of touch typing, from the left hand's little finger to the
// right hand's. The space bar belongs to either thumb; some keys to none.
enum class Finger {
    LeftLittle,
    LeftRing,
    LeftMiddle,
    LeftIndex,
    LeftThumb,
    Thumb,
    RightThumb,
    RightIndex,
    RightMiddle,
    RightRing,
    RightLittle,
    None,
};

// The finger's name in Polish, as a child reads it (UTF-8).
std::string FingerName(Finger finger);

bool IsLeftHand(Finger finger);
