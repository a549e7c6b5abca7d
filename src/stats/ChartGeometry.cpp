// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/ChartGeometry.h"

#include "platform/Truncate.h"

#include <algorithm>
#include <utility>

namespace {

constexpr double kFixedBarWidth = 9.0;
constexpr double kFixedGap = 2.0;
constexpr double kBarShare = 0.7;
constexpr double kGapShare = 0.3;
constexpr double kFirstBarX = 2.0;
constexpr double kErrorBarInset = 2.0;
constexpr double kFullPercent = 100.0;
constexpr int kFrameAndMargin = 3;

struct BarSpacing {
    double barWidth;
    double errorBarWidth;
    double step;
};

BarSpacing SpacingFor(double usableWidth, size_t runCount) {
    const double n = static_cast<double>(runCount);
    double barWidth = kFixedBarWidth;
    double gap = kFixedGap;
    if ((kFixedBarWidth + kFixedGap) * n > usableWidth) {
        barWidth = kBarShare * usableWidth / n;
        gap = std::max(0.0, kGapShare * usableWidth / n);
    }
    const double errorBarWidth = barWidth - kErrorBarInset < 0.0 ? 1.0 : barWidth - kErrorBarInset;
    return {barWidth, errorBarWidth, barWidth + gap};
}

// The height of a bar showing value against the value that fills the chart.
// Values outside 0 ... full (a damaged file) stay inside the chart.
double BarHeight(double chartHeight, double full, double value) {
    if (!(value > 0.0) || !(full > 0.0))
        return 0.0;
    if (value >= full)
        return chartHeight;
    return chartHeight / (full / value);
}

PixelRect Normalised(PixelRect rect) {
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    return rect;
}

ChartBar BarAt(double x, const BarSpacing& spacing, double chartHeight, double speedHeight,
               double errorHeight) {
    const int base = TruncateToInt(chartHeight);
    ChartBar bar;
    bar.speed = Normalised({TruncateToInt(x), TruncateToInt(chartHeight - speedHeight),
                            TruncateToInt(x + spacing.barWidth), base});
    bar.errors =
        Normalised({TruncateToInt(x + kErrorBarInset), TruncateToInt(chartHeight - errorHeight),
                    TruncateToInt(x + spacing.errorBarWidth), base});
    bar.hover = {bar.speed.left, std::min(bar.speed.top, bar.errors.top), bar.speed.right,
                 bar.speed.bottom};
    return bar;
}

} // namespace

std::vector<ChartBar> ComputeChartBars(int width, int height, const ShownRuns& runs,
                                       double bestSpeed) {
    std::vector<ChartBar> bars;
    if (runs.empty())
        return bars;
    const double chartHeight = height;
    const BarSpacing spacing = SpacingFor(width - kFrameAndMargin, runs.size());
    bars.reserve(runs.size());
    double x = kFirstBarX;
    for (const ShownRun& run : runs) {
        bars.push_back(BarAt(x, spacing, chartHeight,
                             BarHeight(chartHeight, bestSpeed, run.charsPerMinute),
                             BarHeight(chartHeight, kFullPercent, run.errorPercent)));
        x += spacing.step;
    }
    return bars;
}

namespace {

std::vector<ChartFill> EveryFill(const std::vector<ChartBar>& bars) {
    std::vector<ChartFill> fills;
    fills.reserve(2 * bars.size());
    for (const ChartBar& bar : bars) {
        fills.push_back({bar.speed, false});
        fills.push_back({bar.errors, true});
    }
    return fills;
}

bool ShareOneBase(const std::vector<ChartBar>& bars) {
    return std::all_of(bars.begin(), bars.end(), [&bars](const ChartBar& bar) {
        return bar.speed.bottom == bars.front().speed.bottom &&
               bar.errors.bottom == bars.front().speed.bottom;
    });
}

} // namespace

// Every bar stands on the same base line, so in one pixel column a fill
// shows only above the tops of the fills painted after it: walking the
// fills from the last one back, each column keeps the part of a fill that
// rises above what is already covered there.
std::vector<ChartFill> ChartFills(const std::vector<ChartBar>& bars, int width) {
    if (static_cast<int>(bars.size()) <= width || !ShareOneBase(bars))
        return EveryFill(bars);
    const int base = bars.front().speed.bottom;
    std::vector<int> coveredFrom(static_cast<size_t>(std::max(width, 0)), base);
    std::vector<int> lastFill(coveredFrom.size(), -1);
    std::vector<ChartFill> fills;
    const auto keepVisible = [&](const PixelRect& rect, bool errors) {
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, width); ++x) {
            int& covered = coveredFrom[static_cast<size_t>(x)];
            if (rect.top >= covered)
                continue;
            int& last = lastFill[static_cast<size_t>(x)];
            if (last >= 0 && fills[static_cast<size_t>(last)].errors == errors)
                fills[static_cast<size_t>(last)].rect.top = rect.top;
            else {
                fills.push_back({{x, rect.top, x + 1, covered}, errors});
                last = static_cast<int>(fills.size()) - 1;
            }
            covered = rect.top;
        }
    };
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        keepVisible(bar->errors, true);
        keepVisible(bar->speed, false);
    }
    return fills;
}
