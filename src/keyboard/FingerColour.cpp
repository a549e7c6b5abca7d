// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/FingerColour.h"

Rgb FingerTint(Finger finger) {
    switch (finger) {
    case Finger::LeftLittle:
    case Finger::RightLittle:
        return {255, 214, 220}; // pink
    case Finger::LeftRing:
    case Finger::RightRing:
        return {225, 214, 245}; // lavender
    case Finger::LeftMiddle:
    case Finger::RightMiddle:
        return {200, 228, 252}; // blue
    case Finger::LeftIndex:
    case Finger::RightIndex:
        return {206, 238, 206}; // green
    case Finger::LeftThumb:
    case Finger::Thumb:
    case Finger::RightThumb:
        return {255, 246, 196}; // yellow
    case Finger::None:
        break;
    }
    return {240, 240, 240};
}
