#include "teacher/KeyMeasurements.h"

#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/WeakKeys.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kWeakKeysNamed = 5;
constexpr double kTenthsOfPercent = 1000.0;

KeyMeasurements MeasurementsOf(const CKeyStats& stats) {
    KeyMeasurements measured;
    const std::vector<WeakKey> weak = RankWeakKeys(stats);
    for (size_t i = 0; i < std::min(weak.size(), kWeakKeysNamed); ++i)
        measured.weakKeys += (i ? ", " : "") + Cp1250ToUtf8(std::string(1, weak[i].key));
    for (const auto& [key, stat] : stats.Keys())
        if (stat.presses > 0)
            measured.recentErrors.push_back(
                {key, static_cast<int32_t>(std::lround(stat.recentErrorRate * kTenthsOfPercent))});
    return measured;
}

// A file that cannot be read gives nothing.
template <class Load> KeyMeasurements ReadOrNothing(const Load& load) {
    try {
        return MeasurementsOf(load());
    } catch (const FileError&) {
        return {};
    }
}

} // namespace

KeyMeasurements ReadKeyMeasurements(const PupilsFolder& pupils, const std::string& pupil) {
    return ReadOrNothing([&] { return LoadKeyStats(pupils, pupil); });
}

KeyMeasurements ReadKeyMeasurements(const PupilsFolder& pupils, const std::string& pupil,
                                    const CharErrorArray& statFileErrors) {
    return ReadOrNothing([&] { return LoadKeyStats(pupils, pupil, statFileErrors); });
}
