// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Cp1250.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

TEST(Cp1250, PolishLettersConvertBothWays) {
    const std::string utf8 = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
    const std::string cp1250 =
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    EXPECT_EQ(Utf8ToCp1250(utf8), cp1250);
    EXPECT_EQ(Cp1250ToUtf8(cp1250), utf8);
}

TEST(Cp1250, EveryByteSurvivesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(byte)), byte) << b;
    }
}

TEST(Cp1250, CharactersWithoutACodeAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1250("a€b"), "a\x80"
                                   "b");
    EXPECT_EQ(Utf8ToCp1250("日本"), "??");
    EXPECT_EQ(Utf8ToCp1250("x\xC4"), "x?");    // cut in the middle
    EXPECT_EQ(Utf8ToCp1250("\xC0\xAF"), "??"); // overlong form
    EXPECT_EQ(Cp1250FromUnicode(U'ą'), '\xB9');
    EXPECT_EQ(Cp1250FromUnicode(U'Ω'), '?');
}

TEST(Cp1250, RecognisesUtf8Text) {
    EXPECT_TRUE(LooksLikeUtf8("zażółć"));
    EXPECT_FALSE(LooksLikeUtf8("plain ascii"));
    EXPECT_FALSE(LooksLikeUtf8("za\xBF\xF3\xB3\xE6")); // the same word in Windows-1250
}

TEST(Cp1250, FoldsCaseOfPolishAndOtherLetters) {
    EXPECT_TRUE(EqualsIgnoringCase(Utf8ToCp1250("ŻÓŁW Ąę"), Utf8ToCp1250("żółw ąĘ")));
    EXPECT_TRUE(EqualsIgnoringCase(Utf8ToCp1250("ĆŃŚŹ"), Utf8ToCp1250("ćńśź")));
    EXPECT_TRUE(EqualsIgnoringCase(Utf8ToCp1250("ŠŤŽÄÉ"), Utf8ToCp1250("šťžäé")));
    EXPECT_FALSE(EqualsIgnoringCase("abc", "abd"));
    EXPECT_FALSE(EqualsIgnoringCase("abc", "abcd"));
    EXPECT_FALSE(EqualsIgnoringCase(Utf8ToCp1250("×"), Utf8ToCp1250("÷"))); // not a letter pair
    EXPECT_EQ(FoldCase('1'), '1');
}

TEST(Format, PrintsNumbersAsTheCLibraryDoes) {
    EXPECT_EQ(FormatG(236.2204724409449), "236.22");
    EXPECT_EQ(FormatG(3.0), "3");
    EXPECT_EQ(FormatG(1e7), "1E+07");
    EXPECT_EQ(FormatG(0.0001), "0.0001");
    EXPECT_EQ(FormatInt(-12), "-12");
}
