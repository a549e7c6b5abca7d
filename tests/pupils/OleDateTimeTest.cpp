// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/OleDateTime.h"

#include <gtest/gtest.h>

// The time a teacher reads in the CSV export: to the second, and never
// 24:00:00, even for the last half second of a day.
TEST(OleDateTime, IsoTextShowsTheTimeOfDayFromMidnightToOneSecondBefore) {
    EXPECT_EQ(COleDateTime::FromDateTime(2026, 12, 7, 10, 30, 5).FormatIso8601(),
              "2026-12-07T10:30:05");
    EXPECT_EQ(COleDateTime(46000.0).FormatIso8601(), "2025-12-09T00:00:00");
    EXPECT_EQ(COleDateTime(46000.99999).FormatIso8601(), "2025-12-09T23:59:59");
    EXPECT_EQ(COleDateTime(46000.999999).FormatIso8601(), "2025-12-09T23:59:59");
    // Before 30 December 1899 the day counts backwards, its time forwards.
    EXPECT_EQ(COleDateTime(-1.25).FormatIso8601(), "1899-12-29T06:00:00");
    EXPECT_EQ(COleDateTime(-1.999999).FormatIso8601(), "1899-12-29T23:59:59");
    EXPECT_EQ(COleDateTime(46000.5, COleDateTime::invalid).FormatIso8601(), "");
    EXPECT_EQ(COleDateTime(1e12).FormatIso8601(), "");
}
