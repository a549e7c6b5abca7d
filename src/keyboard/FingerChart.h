// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// The finger chart of the help: the keyboard table drawn as an SVG picture,
// each key in its finger's tint, with the signs, the Polish letters of right
// Alt, the bumps on F and J, the home row in a thick frame, and a legend
// naming the fingers. The page help/palce.htm carries it between two comment
// lines; tools/finger-chart writes it there.
std::string FingerChartSvg();

constexpr std::string_view kFingerChartStart =
    "<!-- The keyboard below is drawn by tools/finger-chart from the keyboard table. -->";
constexpr std::string_view kFingerChartEnd = "<!-- End of the drawn keyboard. -->";

// The page with everything between the two comment lines replaced by the
// chart; nothing when the page lacks either line.
std::optional<std::string> WithFingerChart(std::string_view page);
