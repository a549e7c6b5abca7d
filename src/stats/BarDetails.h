// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/ShownRun.h"

#include <string>

// What the legend says while the mouse is over the bar of run number index
// (counted from 0): number, date, speed and errors, in Windows-1250.
std::string FormatBarDetails(int index, const ShownRun& run);
