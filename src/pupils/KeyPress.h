// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// One character of a lesson's text at the pupil's first try at it: whether
// it was typed right, and the whole milliseconds since the key taken before
// it (negative for a run's first key and after a long pause). A run of a
// long lesson keeps one for every character, so it takes 4 bytes; a key
// taken after more than 5 seconds counts as a pause, well within 16 bits.
struct KeyPress {
    char expected; // Windows-1250
    bool right;
    int16_t msSincePrevious;

    bool operator==(const KeyPress&) const = default;
};
