// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/WrapLines.h"

#include <gtest/gtest.h>

namespace {

StringList Wrap(const std::string& line) {
    StringList pieces;
    WrapLines({line}, pieces);
    return pieces;
}

std::string Letters(size_t count) {
    return std::string(count, 'a');
}

} // namespace

TEST(WrapLines, ShortLinesStayWholeAndLongOnesWithoutBreaksAreCutAt46) {
    StringList pieces{"kept"};
    WrapLines({"", Letters(45), Letters(46), Letters(100)}, pieces);
    EXPECT_EQ(pieces, (StringList{"kept", "", Letters(45), Letters(46), Letters(46), Letters(46),
                                  Letters(8)}));
}

TEST(WrapLines, BreaksAfterTheLastBreakCharacterNearTheWidth) {
    std::string line = Letters(60);
    line[30] = ' ';
    line[40] = ' ';
    EXPECT_EQ(Wrap(line), (StringList{line.substr(0, 41), line.substr(41)}));

    std::string farBreak = Letters(60);
    farBreak[20] = ' ';
    EXPECT_EQ(Wrap(farBreak), (StringList{farBreak.substr(0, 46), farBreak.substr(46)}));

    for (char mark : {',', '.', '-'}) {
        std::string punctuated = Letters(50);
        punctuated[35] = mark; // the earliest break still near enough
        EXPECT_EQ(Wrap(punctuated), (StringList{punctuated.substr(0, 36), punctuated.substr(36)}));
        punctuated[35] = 'a';
        punctuated[34] = mark;
        EXPECT_EQ(Wrap(punctuated)[0].size(), 46u);
    }
    EXPECT_EQ(Wrap(Letters(44) + "   " + Letters(10)),
              (StringList{Letters(44) + "  ", " " + Letters(10)}));
}

TEST(WrapLines, MegabytesOnOneLineWrapLikeShortText) {
    std::string text;
    while (text.size() < 4'000'000)
        text += "Ala ma kota, a kot ma Ale. ";
    StringList pieces;
    WrapLine(text, pieces, kWrapWidth, kWrapSlack);
    EXPECT_EQ(pieces[0], "Ala ma kota, a kot ma Ale. Ala ma kota, a kot ");
    std::string joined;
    for (const std::string& piece : pieces)
        joined += piece;
    EXPECT_EQ(joined, text);
}
