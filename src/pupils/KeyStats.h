// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/KeyPress.h"

#include <map>
#include <string>
#include <vector>

// What the program knows of one character a pupil types: a capital is
// apart from its small letter, as it takes Shift too.
//
// The recent counts fade by presses of this character, never by time: each
// press makes the older ones weigh a little less. The long memory gathers
// the evidence that the key is weak; the short one tells that it has
// mended.
struct KeyStat {
    int presses = 0; // first tries measured
    int errors = 0;  // of them wrong
    double recentPresses = 0.0, recentErrors = 0.0; // the long memory
    double lastPresses = 0.0, lastErrors = 0.0;     // the short memory
    // The mean time of a right first try, in ms, over about the short
    // memory's presses; timedPresses of the presses were timed.
    double recentMs = 0.0;
    int timedPresses = 0;
    // The highest recent error rate the key has had once it was judged.
    double worstErrorRate = 0.0;

    double RecentErrorRate() const { return recentPresses > 0 ? recentErrors / recentPresses : 0; }
    double LastErrorRate() const { return lastPresses > 0 ? lastErrors / lastPresses : 0; }

    bool operator==(const KeyStat&) const = default;
};

// Each memory holds about this many of the key's presses.
constexpr double kLongMemoryPresses = 400.0;
constexpr double kShortMemoryPresses = 30.0;
// A key is judged once it was pressed this many times.
constexpr int kPressesToJudge = 20;

// A pupil's keys, by their Windows-1250 character.
class CKeyStats {
public:
    void Add(const std::vector<KeyPress>& presses);

    const std::map<char, KeyStat>& Keys() const { return m_keys; }
    int TotalPresses() const;

    // The bytes of klawisze.dat: a heading line, then a line per key.
    std::string Encode() const;
    // Also reads the first version of the file, whose letters stood with
    // their capitals. Throws FileError naming path when the bytes are not
    // such a file.
    static CKeyStats Decode(const std::string& bytes, const std::string& path);

    bool operator==(const CKeyStats&) const = default;

private:
    static CKeyStats DecodeFirstVersion(std::istream& lines, const std::string& path);

    std::map<char, KeyStat> m_keys;
};
