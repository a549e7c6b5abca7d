// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The exercise window's status line (Windows-1250) and progress bar, from
// the figures of the run so far.

// "Czas: " and the whole seconds.
std::string TimeStatusText(double ms);
// Until the first key is counted the pupil is asked to start.
std::string SpeedStatusText(double charsPerMinute, bool anythingCounted);
std::string ErrorsStatusText(double errors);

// The progress bar is a black one-pixel frame kProgressFrameHeight pixels
// high across the bar's width, filled inside in dark green.
constexpr int kProgressFrameHeight = 10;

struct ProgressFill {
    int x, y, width, height; // pixels; width 0 when nothing is done
};

ProgressFill ProgressFillOf(int barWidth, double percentage);
