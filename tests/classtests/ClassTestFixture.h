// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TempFolder.h"
#include "classtests/ClassTest.h"
#include "classtests/ShareClock.h"
#include "platform/Cp1250.h"
#include "platform/ProgramFolders.h"

#include <chrono>

#include <gtest/gtest.h>

// A clock that reads the share's time at noon of the day.
inline TimeSource ShareAtNoon(std::chrono::year_month_day day, bool fromShare = true) {
    std::tm noon{};
    noon.tm_year = static_cast<int>(day.year()) - 1900;
    noon.tm_mon = static_cast<int>(static_cast<unsigned>(day.month())) - 1;
    noon.tm_mday = static_cast<int>(static_cast<unsigned>(day.day()));
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const int64_t seconds = std::mktime(&noon);
    return [seconds, fromShare] { return ShareTime{seconds, fromShare}; };
}

// A class folder of the test's own and a test set in it.
class ClassTestFixture : public testing::Test {
protected:
    TempFolder m_folder;
    PupilsFolder m_pupils{m_folder / "Pupils", false};

    static ClassTest MakeTest(const std::string& name = "Dyktando ósme") {
        using namespace std::chrono;
        ClassTest test;
        test.name = name;
        test.lines = {Utf8ToCp1250("Źdźbło trawy"), "", "ala ma kota"};
        test.timeLimitSeconds = 300;
        test.openFrom = sys_days{2026y / December / 7};
        test.openTo = sys_days{2026y / December / 11};
        return test;
    }

    static TimeSource ShareAt(std::chrono::year_month_day day, bool fromShare = true) {
        return ShareAtNoon(day, fromShare);
    }
};
