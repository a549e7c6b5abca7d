// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PlausibleRun.h"
#include "platform/FileError.h"
#include "pupils/StatFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

StatRecord Record(double speed, double errors, COleDateTime date = COleDateTime(46000.5),
                  std::string lesson = "Lekcja 1") {
    StatRecord run;
    run.lesson = std::move(lesson);
    run.charsPerMinute = speed;
    run.errorPercent = errors;
    run.date = date;
    return run;
}

} // namespace

TEST(PlausibleRun, OnlyRunsTheProgramCouldHaveStoredArePlausible) {
    EXPECT_TRUE(IsPlausibleRun(Record(0, 0)));
    EXPECT_TRUE(IsPlausibleRun(
        Record(kFastestPlausibleSpeed, 100, COleDateTime(46000.5), "\xA3\xB9ka \xBF\xF3\xB3w")));
    for (const StatRecord& run :
         {Record(1.7e199, 2), Record(-1, 2), Record(kNaN, 2), Record(kInfinity, 2),
          Record(100, 100.5), Record(100, -0.1), Record(100, kNaN),
          Record(100, 2, COleDateTime(46000.5, COleDateTime::null)),
          Record(100, 2, COleDateTime(1e12)), Record(100, 2, COleDateTime(kNaN)),
          Record(100, 2, COleDateTime(46000.5), ""), Record(100, 2, COleDateTime(46000.5), "a\x01"),
          Record(100, 2, COleDateTime(46000.5), "a\x81"),
          // what bytes read out of step give: numbers too small to be
          // written, a day before the program or after its pupils
          Record(3e-308, 0), Record(100, 1e-290), Record(100, 2, COleDateTime(1e-300)),
          Record(100, 2, COleDateTime(2.5)), Record(100, 2, COleDateTime(80000))}) {
        EXPECT_FALSE(IsPlausibleRun(run)) << run.charsPerMinute << " " << run.errorPercent;
    }
}

// Every run the program writes has empty reserved texts, the second reserved
// number 0 and the first a share from 0 to 100: a reader out of step with
// the records is caught there even when speed and errors look right.
TEST(PlausibleRun, ReservedFieldsHoldWhatTheProgramWrites) {
    StatRecord run = Record(100, 2);
    run.reservedValue1 = 37.5;
    EXPECT_TRUE(IsPlausibleRun(run));
    for (const double value : {-1.0, 100.5, kNaN, 4e-310})
        EXPECT_FALSE(IsPlausibleRun([&] {
            StatRecord changed = run;
            changed.reservedValue1 = value;
            return changed;
        }()));
    StatRecord changed = run;
    changed.reservedValue2 = 1e-300;
    EXPECT_FALSE(IsPlausibleRun(changed));
    changed = run;
    changed.reservedText1 = "x";
    EXPECT_FALSE(IsPlausibleRun(changed));
    changed = run;
    changed.reservedText2 = "y";
    EXPECT_FALSE(IsPlausibleRun(changed));
}

TEST(PlausibleRun, ForeignValuesShowAsNumbersAWindowCanDraw) {
    const StatRecord nan = WithShowableValues(Record(kNaN, kNaN));
    EXPECT_EQ(nan.charsPerMinute, 0.0);
    EXPECT_EQ(nan.errorPercent, 100.0);
    const StatRecord negative = WithShowableValues(Record(-50, -3));
    EXPECT_EQ(negative.charsPerMinute, 0.0);
    EXPECT_EQ(negative.errorPercent, 0.0);
    EXPECT_EQ(WithShowableValues(Record(-kInfinity, 250)).errorPercent, 100.0);
    EXPECT_EQ(WithShowableValues(Record(321.5, 4.25)), Record(321.5, 4.25));
}

// A file read whole but with a stray byte at its end: the salvage keeps the
// runs up to the first one the program could not have stored, and the
// character table only while every run was kept, since it stands behind them.
TEST(PlausibleRun, TheSalvageTrustsTheCharacterTableOnlyWhenEveryRunIsKept) {
    const auto salvage = [](const std::vector<StatRecord>& runs) {
        CPupilStats written;
        written.assign(runs.begin(), runs.end());
        written.m_charErrors = {{'x', 7}, {'\xB3', 2}};
        CPupilStats read;
        EXPECT_THROW(DecodeStatFile(EncodeStatFile(written) + "!", "stat.dat", read), FileError);
        EXPECT_EQ(read.m_charErrors.size(), 2u) << "the whole table was read";
        return read;
    };

    CPupilStats outOfStep = salvage({Record(120, 2), Record(1.7e199, 2), Record(130, 1)});
    EXPECT_EQ(KeepPlausibleRuns(outOfStep), 1u);
    EXPECT_EQ(outOfStep.front(), Record(120, 2));
    EXPECT_EQ(outOfStep.m_charErrors, CharErrorArray{});

    CPupilStats sound = salvage({Record(120, 2), Record(130, 1)});
    EXPECT_EQ(KeepPlausibleRuns(sound), 2u);
    EXPECT_EQ(sound.m_charErrors, (CharErrorArray{{'x', 7}, {'\xB3', 2}}));
}
