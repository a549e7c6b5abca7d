// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Cp1250.h"
#include "pupils/StatRecord.h"

#include <string>

// A stored run made to measure; the lesson's name is given in UTF-8.
inline StatRecord RunOf(const std::string& lesson, double speed, double errors, COleDateTime date) {
    StatRecord run;
    run.lesson = Utf8ToCp1250(lesson);
    run.charsPerMinute = speed;
    run.errorPercent = errors;
    run.date = date;
    return run;
}
