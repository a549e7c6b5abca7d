// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseStatus.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "platform/Format.h"
#include "platform/Truncate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Truncates toward zero; what no int can hold counts as 0.
int TruncatedOrZero(double value) {
    const bool fits = std::abs(value) < static_cast<double>(std::numeric_limits<int>::max());
    return fits ? static_cast<int>(value) : 0;
}

} // namespace

std::string TimeStatusText(double ms) {
    return "Czas: " + FormatInt(TruncatedOrZero(SecondsOf(ms))) + " sekund";
}

std::string SpeedStatusText(double charsPerMinute, bool anythingCounted) {
    std::string text = Utf8ToCp1250("Znaków\\min: ") + FormatG(charsPerMinute);
    if (!anythingCounted)
        text += Utf8ToCp1250(" (zacznij pisać)");
    return text;
}

std::string ErrorsStatusText(double errors) {
    return Utf8ToCp1250("Błędów: ") + FormatG(errors);
}

ProgressFill ProgressFillOf(int barWidth, double percentage) {
    // The fill's right edge (exclusive) is the done share of the width less
    // one; a full bar reaches the inside of the frame.
    const int right = TruncateToInt(barWidth / (100 / percentage), 0, barWidth) - 1;
    const int width = std::max(0, right - 1);
    return {1, 1, width, kProgressFrameHeight - 2};
}
