#pragma once

// One character of a lesson's text at the pupil's first try at it: whether
// it was typed right, and the milliseconds since the key taken before it
// (negative for a run's first key and after a long pause).
struct KeyPress {
    char expected; // Windows-1250
    bool right;
    double msSincePrevious;

    bool operator==(const KeyPress&) const = default;
};
