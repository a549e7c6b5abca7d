// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/ChartGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

ShownRun MakeRun(double speed, double percent) {
    return {COleDateTime(), speed, percent};
}

ShownRuns Runs(std::initializer_list<ShownRun> runs) {
    return runs;
}

ShownRuns Runs(size_t count, double speed = 100, double percent = 0) {
    return ShownRuns(count, MakeRun(speed, percent));
}

} // namespace

TEST(ChartGeometry, OneRunIsANinePixelBarOfFullHeightWithAFivePixelErrorBar) {
    const auto bars = ComputeChartBars(300, 80, Runs({MakeRun(120, 25)}), 120);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].speed, (PixelRect{2, 0, 11, 80}));
    EXPECT_EQ(bars[0].errors, (PixelRect{4, 60, 9, 80}));
    EXPECT_EQ(bars[0].hover, (PixelRect{2, 0, 11, 80}));
}

TEST(ChartGeometry, BarsKeepNinePixelsUpToElevenPerRunThenShareTheWidth) {
    // Width 113 leaves 110 usable pixels: exactly ten fixed bars.
    const auto fixed = ComputeChartBars(113, 80, Runs(10), 100);
    ASSERT_EQ(fixed.size(), 10u);
    for (size_t i = 0; i < fixed.size(); ++i) {
        const int left = 2 + 11 * static_cast<int>(i);
        EXPECT_EQ(fixed[i].speed, (PixelRect{left, 0, left + 9, 80}));
        EXPECT_EQ(fixed[i].errors.left, left + 2);
        EXPECT_EQ(fixed[i].errors.right, left + 7);
    }

    // One run more: bars of 0.7 and gaps of 0.3 of a 10-pixel step.
    const auto shared = ComputeChartBars(113, 80, Runs(11), 100);
    ASSERT_EQ(shared.size(), 11u);
    for (size_t i = 0; i < shared.size(); ++i) {
        const int left = 2 + 10 * static_cast<int>(i);
        EXPECT_EQ(shared[i].speed, (PixelRect{left, 0, left + 7, 80}));
        EXPECT_EQ(shared[i].errors.left, left + 2);
        EXPECT_EQ(shared[i].errors.right, left + 5);
    }
}

TEST(ChartGeometry, NarrowBarsTruncateTheirOwnEdgesAndNormaliseTheErrorBar) {
    const auto bars = ComputeChartBars(50, 80, Runs(40, 1, 50), 1);
    ASSERT_EQ(bars.size(), 40u);
    const int edges[][2] = {{2, 2}, {3, 3}, {4, 5}, {5, 6}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(bars[i].speed.left, edges[i][0]);
        EXPECT_EQ(bars[i].speed.right, edges[i][1]);
    }
    EXPECT_EQ(bars[0].errors, (PixelRect{3, 40, 4, 80}));
    EXPECT_EQ(bars[0].hover, (PixelRect{2, 0, 2, 80}));
}

TEST(ChartGeometry, HeightsFollowSpeedAgainstTheBestAndErrorsAgainstAHundred) {
    const auto bars =
        ComputeChartBars(300, 80, Runs({MakeRun(50, 0), MakeRun(100, 100), MakeRun(25, 80)}), 100);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].speed.top, 40);
    EXPECT_EQ(bars[0].errors.Height(), 0);
    EXPECT_EQ(bars[0].hover, (PixelRect{2, 40, 11, 80}));
    EXPECT_EQ(bars[1].errors, (PixelRect{15, 0, 20, 80}));
    // The error bar is the taller one: hovering above the green still counts.
    EXPECT_EQ(bars[2].speed.top, 60);
    EXPECT_EQ(bars[2].hover, (PixelRect{24, 16, 33, 80}));
}

TEST(ChartGeometry, BestSpeedZeroAndDamagedValuesStayInsideTheChart) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const ChartBar& bar : ComputeChartBars(300, 80, Runs(3, 0, 10), 0))
        EXPECT_EQ(bar.speed.Height(), 0);

    const auto bars = ComputeChartBars(
        300, 80,
        Runs({MakeRun(nan, nan), MakeRun(-5, -20), MakeRun(inf, inf), MakeRun(1e308, 1e300)}),
        1e308);
    ASSERT_EQ(bars.size(), 4u);
    EXPECT_EQ(bars[0].hover.Height(), 0);
    EXPECT_EQ(bars[1].hover.Height(), 0);
    EXPECT_EQ(bars[2].hover, (PixelRect{24, 0, 33, 80}));
    EXPECT_EQ(bars[3].errors, (PixelRect{37, 0, 42, 80}));
    EXPECT_TRUE(ComputeChartBars(300, 80, {}, 100).empty());
}

namespace {

// The chart's pixels after filling the rectangles in order: 0 white, 1
// green, 2 red.
std::vector<int> Painted(const std::vector<ChartFill>& fills, int width, int height) {
    std::vector<int> pixels(static_cast<size_t>(width * height), 0);
    for (const ChartFill& fill : fills)
        for (int y = std::max(fill.rect.top, 0); y < std::min(fill.rect.bottom, height); ++y)
            for (int x = std::max(fill.rect.left, 0); x < std::min(fill.rect.right, width); ++x)
                pixels[static_cast<size_t>(y * width + x)] = fill.errors ? 2 : 1;
    return pixels;
}

std::vector<ChartFill> EveryBarInOrder(const std::vector<ChartBar>& bars) {
    std::vector<ChartFill> fills;
    for (const ChartBar& bar : bars) {
        fills.push_back({bar.speed, false});
        fills.push_back({bar.errors, true});
    }
    return fills;
}

} // namespace

TEST(ChartGeometry, ManyRunsPaintTheSamePixelsWithFillsForTheWidthOnly) {
    constexpr int kWidth = 120, kHeight = 60;
    ShownRuns rising, falling, mixed;
    for (int i = 0; i < 5000; ++i) {
        rising.push_back(MakeRun(10 + i * 0.05, (i * 7) % 100));
        falling.push_back(MakeRun(260 - i * 0.05, (i * 13) % 40));
        mixed.push_back(MakeRun((i * 37) % 250, (i * 11) % 100));
    }
    for (const ShownRuns* runs : {&rising, &falling, &mixed}) {
        const std::vector<ChartBar> bars = ComputeChartBars(kWidth, kHeight, *runs, 260);
        const std::vector<ChartFill> fills = ChartFills(bars, kWidth);
        EXPECT_EQ(Painted(fills, kWidth, kHeight), Painted(EveryBarInOrder(bars), kWidth, kHeight));
        EXPECT_LT(fills.size(), bars.size() / 4);
    }
    const std::vector<ChartBar> few = ComputeChartBars(kWidth, kHeight, Runs(5), 100);
    EXPECT_EQ(ChartFills(few, kWidth), EveryBarInOrder(few));
}
