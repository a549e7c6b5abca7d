// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/KeyboardReach.h"

#include "keyboard/Chord.h"

CharacterReach ReachOnKeyboard(char ch) {
    if (!ChordOf(ch))
        return CharacterReach::NoKey;
    return TakesUntaughtChord(ch) ? CharacterReach::UntaughtChord : CharacterReach::Taught;
}
