// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/WeakKeys.h"

#include "keyboard/Chord.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr double kWorseFactor = 1.5;
constexpr double kLeastRecentErrors = 3.0;
// The log-likelihood ratio of "this key's own rate" against "the pupil's
// usual rate" that makes a key's errors more than chance.
constexpr double kLeastEvidence = 2.2;
// A pupil who made no other error is held to this rate, so that a few slips
// on one key are still weighed by how sure they are.
constexpr double kLowestUsualRate = 0.005;
// Keys typed the same way are compared only when there are this many.
constexpr size_t kLeastPeers = 3;

enum class Way { Plain, Shift, AltGr, ShiftAltGr, Count };

std::optional<Way> WayOf(char key) {
    if (key == ' ' || key == '\r' || key == '\n' || key == '\t')
        return std::nullopt;
    const std::optional<Chord> chord = ChordOf(key);
    if (!chord)
        return std::nullopt;
    return static_cast<Way>((chord->shift >= 0 ? 1 : 0) + (chord->rightAlt ? 2 : 0));
}

bool IsJudged(char key, const KeyStat& stat) {
    return stat.presses >= kPressesToJudge && WayOf(key).has_value();
}

bool IsTimed(const KeyStat& stat) {
    return stat.timedPresses >= kPressesToJudge;
}

// The median time per press of the timed judged keys of each way; 0 where
// too few keys are typed that way.
std::array<double, static_cast<size_t>(Way::Count)> MedianMs(const CKeyStats& stats) {
    std::array<std::vector<double>, static_cast<size_t>(Way::Count)> times;
    for (const auto& [key, stat] : stats.Keys())
        if (IsJudged(key, stat) && IsTimed(stat))
            times[static_cast<size_t>(*WayOf(key))].push_back(stat.recentMs);
    std::array<double, static_cast<size_t>(Way::Count)> medians{};
    for (size_t way = 0; way < times.size(); ++way) {
        std::vector<double>& own = times[way];
        if (own.size() < kLeastPeers)
            continue;
        const auto middle = own.begin() + static_cast<std::ptrdiff_t>(own.size() / 2);
        std::nth_element(own.begin(), middle, own.end());
        medians[way] = *middle;
    }
    return medians;
}

// Twice the log-likelihood ratio of errors in presses at their own rate
// against the usual rate.
double Evidence(double errors, double presses, double usual) {
    const double rate = errors / presses;
    return 2.0 * (errors * std::log(rate / usual) +
                  (presses - errors) * std::log((1.0 - rate) / (1.0 - usual)));
}

// How many times the usual rate the key's errors are, when they are
// clearly too many; 0 otherwise.
double ErrorScore(const KeyStat& stat, double usual) {
    const double rate = stat.RecentErrorRate();
    if (stat.recentErrors < kLeastRecentErrors || rate <= kWorseFactor * usual ||
        stat.LastErrorRate() <= usual ||
        Evidence(stat.recentErrors, stat.recentPresses, usual) <= kLeastEvidence)
        return 0.0;
    return rate / usual;
}

double SlownessScore(const KeyStat& stat, double median) {
    if (median <= 0.0 || !IsTimed(stat) || stat.recentMs <= kWorseFactor * median)
        return 0.0;
    return stat.recentMs / median;
}

} // namespace

std::vector<WeakKey> RankWeakKeys(const CKeyStats& stats) {
    double presses = 0.0, errors = 0.0;
    for (const auto& [key, stat] : stats.Keys())
        if (WayOf(key)) {
            presses += stat.recentPresses;
            errors += stat.recentErrors;
        }
    const auto medians = MedianMs(stats);
    std::vector<WeakKey> weak;
    for (const auto& [key, stat] : stats.Keys()) {
        if (!IsJudged(key, stat))
            continue;
        const double others = presses - stat.recentPresses;
        const double usual =
            std::max(kLowestUsualRate, others > 0 ? (errors - stat.recentErrors) / others : 0.0);
        const double byErrors = ErrorScore(stat, usual);
        const double bySlowness =
            SlownessScore(stat, medians[static_cast<size_t>(*WayOf(key))]);
        if (byErrors == 0.0 && bySlowness == 0.0)
            continue;
        weak.push_back({key, std::max(byErrors, bySlowness), stat.RecentErrorRate(), usual,
                        stat.worstErrorRate, stat.timedPresses > 0 ? stat.recentMs : 0.0,
                        bySlowness > 0.0});
    }
    std::stable_sort(weak.begin(), weak.end(),
                     [](const WeakKey& a, const WeakKey& b) { return a.score > b.score; });
    return weak;
}
