// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/BarDetails.h"

#include "platform/Cp1250.h"
#include "platform/Format.h"

std::string FormatBarDetails(int index, const ShownRun& run) {
    return Utf8ToCp1250("ćw.nr:") + FormatInt(index) + ", data: " + run.date.FormatDayMonthYear() +
           ", zn\\min:" + FormatG(run.charsPerMinute) + Utf8ToCp1250(", błędów:") +
           FormatG(run.errorPercent) + "%";
}
