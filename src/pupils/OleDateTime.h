// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// A local date and time as stat.dat stores it: days since 30 December 1899
// 00:00, the fraction being the time of day, with a status beside it.
class COleDateTime {
public:
    enum Status : int32_t { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(double value, Status status = valid) : m_value(value), m_status(status) {}

    static COleDateTime Now();
    static COleDateTime FromDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                                     int second = 0);

    double Value() const { return m_value; }
    // Days since 30 December 1899 00:00 on a straight time line. Before that
    // day the stored value counts the day backwards but its time of day
    // forwards (-1.75 is 29 December 1899 18:00), so spans are taken here.
    double LinearDays() const;
    Status GetStatus() const { return m_status; }

    // True when the status is valid and the date lies between the years 100
    // and 9999, the dates the program can show.
    bool IsDisplayable() const;

    // "%d-%m-%Y": two-digit day and month, four-digit year. A date that is
    // not displayable reads "Invalid DateTime".
    std::string FormatDayMonthYear() const;

    // "2026-12-07T10:30:00" (ISO 8601, local time, to the second); empty for
    // a date that is not displayable.
    std::string FormatIso8601() const;

    bool operator==(const COleDateTime&) const = default;

private:
    std::chrono::year_month_day Date() const;

    double m_value = 0.0;
    Status m_status = valid;
};
