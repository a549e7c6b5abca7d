// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/Stopwatch.h"

#include <gtest/gtest.h>

namespace {

// A counter the test moves by hand.
struct ManualCounter {
    int64_t now = 0;
    CStopwatch Stopwatch(int64_t frequency) {
        return CStopwatch([this] { return now; }, frequency);
    }
};

} // namespace

TEST(Stopwatch, MeasuresFromStartToNowOrToTheStop) {
    ManualCounter counter;
    CStopwatch stopwatch = counter.Stopwatch(1'000'000);
    counter.now = 2'500'000;
    EXPECT_DOUBLE_EQ(stopwatch.ElapsedMs(), 2500.0);
    EXPECT_FALSE(stopwatch.IsStopped());

    stopwatch.Stop();
    counter.now = 9'000'000;
    EXPECT_TRUE(stopwatch.IsStopped());
    EXPECT_DOUBLE_EQ(stopwatch.ElapsedMs(), 2500.0);
    EXPECT_DOUBLE_EQ(stopwatch.ElapsedMs(), 2500.0);

    stopwatch.Restart();
    counter.now = 9'001'000;
    EXPECT_FALSE(stopwatch.IsStopped());
    EXPECT_DOUBLE_EQ(stopwatch.ElapsedMs(), 1.0);
}
