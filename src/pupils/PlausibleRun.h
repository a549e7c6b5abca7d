// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/PupilStats.h"
#include "pupils/StatRecord.h"

#include <cstddef>

// The fastest speed a stored run may show, in characters per minute: far
// beyond any typist, so only numbers read out of step are refused.
constexpr double kFastestPlausibleSpeed = 10000.0;

// True when the run could have been stored by the program: a finite speed
// from 0 to kFastestPlausibleSpeed, an error percentage from 0 to 100, a
// valid date between the years 100 and 9999, a lesson name of visible
// characters, empty reserved texts, the second reserved number 0 and the
// first from 0 to 100. Decides what a repair of a damaged stat.dat keeps.
bool IsPlausibleRun(const StatRecord& run);

// The run with a speed and an error percentage a window can show: a speed
// that is not a finite number of 0 or more shows as 0, an error percentage
// is held between 0 and 100 (100 when it is not a number). For files the
// program did not write.
StatRecord WithShowableValues(StatRecord run);

// What a repair of a damaged stat.dat keeps of what was read from it: the
// runs before the first implausible one. From there on the reader may have
// been out of step with the records, so nothing later is trusted, the
// character table included. Returns the number of runs kept.
size_t KeepPlausibleRuns(CPupilStats& stats);
