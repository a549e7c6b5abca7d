// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/FingerChart.h"

#include "platform/BinaryFile.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

const std::string kChartPage = std::string(TASTRUM_SOURCE_DIR) + "/../data/help/palce.htm";

// The first label of every key drawn in a thick frame, in drawing order.
std::string FramedKeys(const std::string& svg) {
    const std::regex framedKey(R"re(stroke-width="3"/>\n<text [^>]*>([^<]*)</text>)re");
    std::string keys;
    for (std::sregex_iterator it(svg.begin(), svg.end(), framedKey), end; it != end; ++it)
        keys += (*it)[1].str() + " ";
    return keys;
}

} // namespace

TEST(FingerChart, TheHelpPageShowsTheKeyboardOfTheTable) {
    const std::string page = ReadBinaryFile(kChartPage, kMaxTextFileBytes);
    const std::optional<std::string> redrawn = WithFingerChart(page);
    ASSERT_TRUE(redrawn) << kChartPage << " lacks the lines around the drawn keyboard";
    EXPECT_TRUE(*redrawn == page) << "the keyboard in " << kChartPage
                                  << " is out of date: build and run "
                                  << "`build/tools/finger-chart data/help/palce.htm`";
}

TEST(FingerChart, TheHomeRowIsFramedAndSignsAreEscaped) {
    const std::string svg = FingerChartSvg();
    // The legend's own frame comes last, before its text.
    EXPECT_EQ(FramedKeys(svg), "A S D F J K L : rząd wyjściowy ");
    EXPECT_NE(svg.find(">&lt;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">&amp;</text>"), std::string::npos);
    EXPECT_EQ(svg.find("><</text>"), std::string::npos);
    EXPECT_NE(svg.find(">AltGr</text>"), std::string::npos);
}

TEST(FingerChart, OnlyThePartBetweenTheCommentLinesIsRedrawn) {
    const std::string page = "<p>przed</p>\n" + std::string(kFingerChartStart) +
                             "\nstary rysunek\n" + std::string(kFingerChartEnd) + "\n<p>po</p>\n";
    EXPECT_EQ(WithFingerChart(page), "<p>przed</p>\n" + std::string(kFingerChartStart) + "\n" +
                                         FingerChartSvg() + std::string(kFingerChartEnd) +
                                         "\n<p>po</p>\n");
    EXPECT_EQ(WithFingerChart("<p>bez rysunku</p>"), std::nullopt);
    EXPECT_EQ(WithFingerChart(std::string(kFingerChartEnd) + std::string(kFingerChartStart)),
              std::nullopt);
}
