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

// What every run the program writes has: empty reserved texts, the second
// reserved number 0, and the first 0 or a share from 0 to 100.
bool HasProgramsReservedValues(const StatRecord& run) {
    return run.reservedText1.empty() && run.reservedText2.empty() && run.reservedValue2 == 0.0 &&
           run.reservedValue1 >= 0.0 && run.reservedValue1 <= kFullPercent;
}

} // namespace

bool IsPlausibleRun(const StatRecord& run) {
    return HasProgramsReservedValues(run) && std::isfinite(run.charsPerMinute) && run.charsPerMinute >= 0.0 &&
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
