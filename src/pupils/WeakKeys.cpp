#include "pupils/WeakKeys.h"

#include <algorithm>

namespace {

constexpr double kErrorWeight = 10.0;
// Below this a key is as good as the pupil's others: 2 % errors, or a fifth
// slower than the median, is no weakness worth a lesson.
constexpr double kLeastWeakScore = 0.2;

bool IsJudged(char key, const KeyStat& stat) {
    return key != ' ' && key != '\r' && key != '\t' && stat.presses >= kPressesToJudge;
}

// The median time per press of the judged keys that were timed; 0 if none.
double MedianMs(const CKeyStats& stats) {
    std::vector<double> times;
    for (const auto& [key, stat] : stats.Keys())
        if (IsJudged(key, stat) && stat.timedPresses > 0)
            times.push_back(stat.recentMs);
    if (times.empty())
        return 0.0;
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

} // namespace

std::vector<WeakKey> RankWeakKeys(const CKeyStats& stats) {
    const double median = MedianMs(stats);
    std::vector<WeakKey> weak;
    for (const auto& [key, stat] : stats.Keys()) {
        if (!IsJudged(key, stat))
            continue;
        const double slowness =
            median > 0 && stat.timedPresses > 0 ? std::max(0.0, stat.recentMs / median - 1.0) : 0.0;
        const double score = kErrorWeight * stat.recentErrorRate + slowness;
        if (score >= kLeastWeakScore)
            weak.push_back({key, score, stat.recentErrorRate, stat.recentMs});
    }
    std::stable_sort(weak.begin(), weak.end(),
                     [](const WeakKey& a, const WeakKey& b) { return a.score > b.score; });
    return weak;
}
