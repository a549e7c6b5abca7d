// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keyboard/Finger.h"

#include <array>
#include <vector>

// One key of the main block of a 105-key PC keyboard under the Polish
// (programmers) layout.
struct KeyCap {
    const char* name; // UTF-8; what the key is called, for keys that type no letter or sign
    double x, width;  // in key widths from the row's left edge
    int row;          // 0 for the digits row down to 4 for the space bar's row
    int rows;         // rows the key spans (2 for Enter)
    Finger finger;    // the finger that presses it
    std::array<char32_t, 4> levels; // plain, Shift, AltGr, Shift+AltGr; 0 for nothing
    bool homeBump;                  // the raised mark on F and J
};

// The keyboard is this many key widths wide and rows high.
constexpr double kKeyboardWidthInKeys = 15.0;
constexpr int kKeyboardRows = 5;

// The keys, row by row from the top, each row from the left.
const std::vector<KeyCap>& PolishKeyboard();

// True for the keys of a letter: Shift gives its capital.
bool IsLetterKey(const KeyCap& key);

// The Polish letter right Alt gives on the key, or 0: of all its AltGr
// signs the only one drawn on the key.
char32_t PolishLetterOf(const KeyCap& key);

// Indexes of the keys that chords hold down.
int LeftShiftKey();
int RightShiftKey();
int RightAltKey();
int CapsLockKey();
