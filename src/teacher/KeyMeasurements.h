// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/CharErrorCount.h"

#include <string>

// What the teacher's views show of a pupil's key measurements.
struct KeyMeasurements {
    std::string weakKeys;        // "ł, ż, ę" (UTF-8); empty when none is weak or known
    CharErrorArray recentErrors; // per key, its recent error rate in tenths of a percent
};

// Read from the pupil's klawisze.dat. A file that cannot be read gives
// nothing: these are extras beside the pupil's runs, which the views report
// on their own.
KeyMeasurements ReadKeyMeasurements(const PupilsFolder& pupils, const std::string& pupil);
