// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/LayoutCheck.h"

#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <utility>

// The layouts as XKB and locales name them: every Polish variant types the
// letters with its own keys, except those made for another alphabet.
TEST(LayoutCheck, OnlyPolishLayoutsTypePolishLetters) {
    const std::pair<const char*, bool> kCases[] = {
        {"pl", true},
        {"pl(legacy)", true},
        {"pl(qwertz)", true},
        {"pl(dvp)", true},
        {"pl_PL", true},
        {"pl_PL.UTF-8", true},
        {"pl-PL", true},
        {"pl(ru_phonetic_dvorak)", false},
        {"pl(glagolica)", false},
        {"us", false},
        {"us(intl)", false},
        {"de", false},
        {"en_US", false},
        {"plx", false},
        {"", false},
    };
    for (const auto& [layout, types] : kCases)
        EXPECT_EQ(TypesPolishLetters(layout), types) << layout;
}

TEST(LayoutCheck, PolishLettersAreTheLettersOfRightAlt) {
    const auto has = [](std::initializer_list<const char*> utf8Lines) {
        StringList lines;
        for (const char* line : utf8Lines)
            lines.push_back(Utf8ToCp1250(line));
        return HasPolishLetters(lines);
    };
    EXPECT_TRUE(has({"ąę"}));
    EXPECT_TRUE(has({"abc", "Ala ma kota, a kot Żabę"}));
    EXPECT_TRUE(has({"ó"}));
    EXPECT_FALSE(has({"abc", "ABC 123"}));
    // Signs of print take right Alt too, but the warning is about letters.
    EXPECT_FALSE(has({"„a” – 5 €"}));
    EXPECT_FALSE(has({}));
}

TEST(LayoutCheck, WarnsOnlyWhenTheLayoutIsKnownAndCannotTypeThem) {
    EXPECT_EQ(PolishLayoutWarning("us"), "Ustaw polski układ klawiatury (Polski programisty)");
    EXPECT_EQ(PolishLayoutWarning("pl"), std::nullopt);
    EXPECT_EQ(PolishLayoutWarning(std::nullopt), std::nullopt);
}
