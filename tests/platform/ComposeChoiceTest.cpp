// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ComposeChoice.h"

#include <gtest/gtest.h>

TEST(ComposeChoice, OnlyQtsOwnComposeInputGetsTheSyntheticKey) {
    EXPECT_TRUE(UsesQtComposeInput(std::nullopt));
    EXPECT_TRUE(UsesQtComposeInput("compose"));
    EXPECT_TRUE(UsesQtComposeInput("Compose"));
    EXPECT_TRUE(UsesQtComposeInput("xim")); // Qt's compose context answers to this name too
    EXPECT_TRUE(UsesQtComposeInput("compose:option"));

    EXPECT_FALSE(UsesQtComposeInput("ibus"));
    EXPECT_FALSE(UsesQtComposeInput("fcitx"));
    EXPECT_FALSE(UsesQtComposeInput("fcitx5"));
    EXPECT_FALSE(UsesQtComposeInput("uim"));
    EXPECT_FALSE(UsesQtComposeInput("composer"));
    EXPECT_FALSE(UsesQtComposeInput("")); // set but empty: Qt opens no input context
}
