// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/ShownRun.h"

#include "pupils/PlausibleRun.h"

ShownRun ShownRunOf(const StatRecord& run) {
    // Only the numbers are copied: the run's texts are not shown.
    StatRecord values;
    values.charsPerMinute = run.charsPerMinute;
    values.errorPercent = run.errorPercent;
    values = WithShowableValues(std::move(values));
    return {run.date, values.charsPerMinute, values.errorPercent};
}
