#pragma once

#include "pupils/CharErrorCount.h"
#include "pupils/KeyPress.h"

#include <map>
#include <string>
#include <vector>

// What the program knows of one key of a pupil (a letter and its capital
// are one key).
struct KeyStat {
    int presses = 0; // first tries measured
    int errors = 0;  // of them wrong, plus the errors known before measuring
    // Recent first-try error rate (0 to 1) and time per press (ms): means in
    // which each new press weighs kRecentWeight and the older ones fade.
    double recentErrorRate = 0.0;
    double recentMs = 0.0;
    int timedPresses = 0;

    bool operator==(const KeyStat&) const = default;
};

// Each new press weighs 5 %: a key typed some 20 to 40 times a run is then
// judged mostly by the last two or three runs, so a pupil who has mended a
// key sees it leave the weak ones soon, while one slip does not make it weak.
constexpr double kRecentWeight = 0.05;

// A pupil's keys, by their lower-case Windows-1250 character.
class CKeyStats {
public:
    // A pupil without measurements starts from the errors stat.dat counts
    // for each character: they make its recent error rate, which its first
    // measured presses then bring up to date.
    static CKeyStats FromCharErrors(const CharErrorArray& errors);

    void Add(const std::vector<KeyPress>& presses);

    const std::map<char, KeyStat>& Keys() const { return m_keys; }
    int TotalPresses() const;

    // The bytes of klawisze.dat: a heading line, then a line per key.
    std::string Encode() const;
    // Throws FileError naming path when the bytes are not such a file.
    static CKeyStats Decode(const std::string& bytes, const std::string& path);

    bool operator==(const CKeyStats&) const = default;

private:
    std::map<char, KeyStat> m_keys;
};
