// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keyboard/Finger.h"
#include "pupils/CharErrorCount.h"

#include <QColor>
#include <QRect>

#include <vector>

class QPainter;

// What a drawing of the keyboard shows besides the keys and their signs.
struct KeyboardLook {
    // Per key of PolishKeyboard(), the keys lit: a frame around the
    // finger's colour. Empty for none.
    std::vector<bool> lit{};
    // Per key, 0 to 1: a heat map from white to red in place of the
    // fingers' tints. Empty for the tints.
    std::vector<double> heat{};
};

// The colours the keyboard and the hands share: each finger's tint, and
// the colour of what is lit.
QColor FingerColour(Finger finger);
inline const QColor kLitColour{255, 140, 0};

// Where a key stands when the keyboard fills area.
QRect KeyRectIn(const QRect& area, int key);

// Paints the Polish keyboard to fill area, in vectors, on any painter (a
// widget, a cached picture, a printer, a PDF file): keys tinted by the
// finger that presses them, their signs, the Polish letters in dark red,
// bumps on F and J. The area's background is the caller's.
void PaintKeyboard(QPainter& painter, const QRect& area, const KeyboardLook& look);

// Marks a key the pupil must put off (Caps Lock), unlike a lit key: a red
// dashed frame over a red veil.
void PaintWarnedKey(QPainter& painter, const QRect& key);

// Each key's share of the mistakes counted for the characters it types,
// the most mistyped key's being 1.
std::vector<double> KeyHeat(const CharErrorArray& errors);
