// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <string>

// Gives each attempt that this computer started and that was left without
// a result (the program closed during the test) its result, ended early
// with the run kept so far, and stores that run in the pupil's stat.dat, or
// in the outbox while the pupil's folder is away. A run whose test cannot
// be reached now is kept for the next time. How many attempts were ended.
int EndLeftAttempts(const std::string& outbox, const PupilsFolder& pupils);
