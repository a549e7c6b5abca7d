// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/KeyMeasurements.h"

#include "exercise/WeakKeyLesson.h"
#include "platform/FileError.h"
#include "pupils/KeyStatsFile.h"
#include "exercise/WeakKeys.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kWeakKeysNamed = 5;
constexpr double kTenthsOfPercent = 1000.0;

KeyMeasurements MeasurementsOf(const CKeyStats& stats) {
    KeyMeasurements measured;
    std::vector<WeakKey> weak = RankWeakKeys(stats);
    weak.resize(std::min(weak.size(), kWeakKeysNamed));
    measured.weakKeys = KeyNames(weak);
    for (const auto& [key, stat] : stats.Keys())
        if (stat.presses > 0)
            measured.recentErrors.push_back(
                {key, static_cast<int32_t>(std::lround(stat.RecentErrorRate() * kTenthsOfPercent))});
    return measured;
}

} // namespace

KeyMeasurements ReadKeyMeasurements(const PupilsFolder& pupils, const std::string& pupil) {
    try {
        return MeasurementsOf(LoadKeyStats(pupils, pupil));
    } catch (const FileError&) {
        return {};
    }
}
