#pragma once

#include "pupils/KeyStats.h"

#include <vector>

// A key the pupil should practise, and why.
struct WeakKey {
    char key; // lower-case Windows-1250
    double score;
    double errorRate; // recent first-try error rate, 0 to 1
    double msPerPress; // recent time per press; 0 when not timed yet
};

// A key is judged once it was pressed this many times.
constexpr int kPressesToJudge = 20;
// A pupil's practice lesson needs this many measured presses.
constexpr int kPressesForPractice = 200;

// The pupil's judged keys (letters, digits and signs; not the space bar or
// Enter), weakest first, each with a score: ten times its recent error rate,
// plus how much slower than the pupil's median time per press it is, as a
// share of that median. So a key missed one time in ten weighs as much as
// one found twice as slowly as the others, and a key with many errors
// outranks a slow one with none. Keys scoring below 0.2 (2 % errors, or a
// fifth slower than the median) are no weakness and are left out.
std::vector<WeakKey> RankWeakKeys(const CKeyStats& stats);
