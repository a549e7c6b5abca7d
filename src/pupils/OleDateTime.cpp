// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/OleDateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = year{1899} / December / 30;
constexpr double kFirstDay = -657434.0; // 1 January 100
constexpr double kLastDay = 2958465.0;  // 31 December 9999
constexpr double kSecondsPerDay = 86400.0;

} // namespace

COleDateTime COleDateTime::FromDateTime(int y, int mo, int d, int h, int mi, int s) {
    const sys_days day = year{y} / month(static_cast<unsigned>(mo)) / static_cast<unsigned>(d);
    const double days = static_cast<double>((day - kEpoch).count());
    return COleDateTime(days + (h * 3600 + mi * 60 + s) / kSecondsPerDay);
}

COleDateTime COleDateTime::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FromDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec);
}

double COleDateTime::LinearDays() const {
    if (m_value >= 0.0)
        return m_value;
    const double day = std::trunc(m_value);
    return day + (day - m_value);
}

bool COleDateTime::IsDisplayable() const {
    return m_status == valid && m_value >= kFirstDay && m_value < kLastDay + 1.0;
}

year_month_day COleDateTime::Date() const {
    // Before the epoch the fraction still counts forward from the day's start.
    return year_month_day{kEpoch + days{static_cast<long>(std::trunc(m_value))}};
}

std::string COleDateTime::FormatDayMonthYear() const {
    if (!IsDisplayable())
        return "Invalid DateTime";
    const year_month_day date = Date();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02u-%02u-%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return buffer;
}

std::string COleDateTime::FormatIso8601() const {
    if (!IsDisplayable())
        return {};
    const year_month_day date = Date();
    const double timeOfDay = std::fabs(m_value - std::trunc(m_value));
    const auto seconds = std::min(static_cast<long>(std::lround(timeOfDay * kSecondsPerDay)),
                                  static_cast<long>(kSecondsPerDay) - 1);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02ld:%02ld:%02ld",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return buffer;
}
