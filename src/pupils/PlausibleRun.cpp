#include "pupils/PlausibleRun.h"

#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFullPercent = 100.0;

bool IsVisibleText(const std::string& text) {
    return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
        return IsControlCharacter(UnicodeFromCp1250(static_cast<unsigned char>(c)));
    });
}

} // namespace

bool IsPlausibleRun(const StatRecord& run) {
    return std::isfinite(run.charsPerMinute) && run.charsPerMinute >= 0.0 &&
           run.charsPerMinute <= kFastestPlausibleSpeed && run.errorPercent >= 0.0 &&
           run.errorPercent <= kFullPercent && run.date.IsDisplayable() &&
           IsVisibleText(run.lesson);
}

StatRecord WithShowableValues(StatRecord run) {
    if (!(std::isfinite(run.charsPerMinute) && run.charsPerMinute >= 0.0))
        run.charsPerMinute = 0.0;
    run.errorPercent = std::isnan(run.errorPercent)
                           ? kFullPercent
                           : std::clamp(run.errorPercent, 0.0, kFullPercent);
    return run;
}

size_t KeepPlausibleRuns(CPupilStats& stats) {
    const auto firstImplausible = std::find_if_not(stats.begin(), stats.end(), IsPlausibleRun);
    if (firstImplausible != stats.end()) {
        stats.erase(firstImplausible, stats.end());
        stats.m_charErrors.clear();
    }
    return stats.size();
}
