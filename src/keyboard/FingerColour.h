// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keyboard/Finger.h"

// The one colour code of the fingers, for the on-screen keyboard, the hands
// and the finger chart of the help: both hands' fingers of one kind share a
// light tint.
struct Rgb {
    int red, green, blue;

    bool operator==(const Rgb&) const = default;
};

Rgb FingerTint(Finger finger);
