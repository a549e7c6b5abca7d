#pragma once

// One character of a lesson's text at the pupil's first try at it: whether
// it was typed right, and the milliseconds since the key taken before it
// (negative for a run's first key and after a long pause). A run of a long
// lesson keeps one for every character, so it is kept to 8 bytes; a float
// holds a pause of up to a few seconds to well under a microsecond.
struct KeyPress {
    char expected; // Windows-1250
    bool right;
    float msSincePrevious;

    bool operator==(const KeyPress&) const = default;
};
