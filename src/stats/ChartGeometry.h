// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/ShownRun.h"

#include <vector>

// A rectangle of pixels; right and bottom are excluded.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PixelRect&) const = default;
};

// One run in the progress chart, in the chart's own pixel coordinates: a
// green bar for the speed (the best run fills the height), a narrower red bar
// over it for the errors (100 % fills the height), and the area where the
// mouse shows the run's details (the taller bar over the green bar's width).
struct ChartBar {
    PixelRect speed;
    PixelRect errors;
    PixelRect hover;
};

// The bars of the runs, oldest at the left, in a chart of the given size.
// Bars are 9 pixels wide with 2-pixel gaps while they fit; beyond that they
// share the width, 0.7 bar to 0.3 gap.
std::vector<ChartBar> ComputeChartBars(int width, int height, const ShownRuns& runs,
                                       double bestSpeed);

// One rectangle to fill when the chart is painted, green or red.
struct ChartFill {
    PixelRect rect;
    bool errors = false; // the red of the error bars, else the green of speed

    bool operator==(const ChartFill&) const = default;
};

// What painting the bars fills, with the same result as filling every bar's
// speed rectangle and then its error rectangle, in run order. Where there
// are more bars than pixel columns, only what stays visible is kept, so the
// cost follows the chart's width rather than the number of runs.
std::vector<ChartFill> ChartFills(const std::vector<ChartBar>& bars, int width);
