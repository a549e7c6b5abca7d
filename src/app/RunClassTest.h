// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ShareClock.h"
#include "classtests/TestsToTake.h"
#include "platform/ProgramContext.h"

#include <string>

// Takes an attempt at the test for the pupil (Windows-1250): asks first,
// takes the attempt by the share's clock (it counts from then on), runs the
// test's text, and stores the run in stat.dat under the test's lesson name
// and the attempt's result in the test's folder, both as lessons' runs are
// stored: on this computer while the share is away.
void RunClassTest(CProgramContext& program, const std::string& pupil, const TestToTake& offered,
                  const TimeSource& shareClock);
