// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/RunRecord.h"

#include <gtest/gtest.h>

TEST(RunRecord, MeasuresSpeedAndErrorPercentage) {
    const COleDateTime when = COleDateTime::FromDateTime(2026, 3, 15, 10, 30);
    const StatRecord record = MakeRunRecord("Lekcja 1", {50, 3, 200, 12'700}, when);
    EXPECT_EQ(record.lesson, "Lekcja 1");
    EXPECT_EQ(record.date, when);
    EXPECT_DOUBLE_EQ(record.charsPerMinute, 50 / 12.7 * 60);
    EXPECT_DOUBLE_EQ(record.errorPercent, 1.5);
    EXPECT_EQ(record.reservedText1, "");
    EXPECT_EQ(record.reservedValue2, 0.0);
}

TEST(RunRecord, ErrorPercentageIsCappedAndNeverUndefined) {
    const COleDateTime when;
    EXPECT_EQ(MakeRunRecord("x", {0, 5, 2, 1000}, when).errorPercent, 100.0);
    EXPECT_EQ(MakeRunRecord("x", {0, 3, 0, 1000}, when).errorPercent, 100.0);
    EXPECT_EQ(MakeRunRecord("x", {10, 0, 10, 1000}, when).errorPercent, 0.0);
    const StatRecord nothingTyped = MakeRunRecord("x", {0, 0, 0, 4000}, when);
    EXPECT_EQ(nothingTyped.errorPercent, 0.0);
    EXPECT_EQ(nothingTyped.charsPerMinute, 0.0);
}
