// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/KeyPress.h"
#include "pupils/KeyStats.h"

#include <string>
#include <vector>

// A pupil's key measurements live beside stat.dat in klawisze.dat, written
// as stat.dat is: under a lock, through a temporary file renamed over it, a
// damaged file kept under a name of its own, and never replaced after a
// failed read. stat.dat itself is not touched.

std::string GetKeyStatsPath(const PupilsFolder& pupils, const std::string& pupil);

// The pupil's measurements; none without klawisze.dat. Throws FileError when
// the file cannot be read now, or is damaged.
CKeyStats LoadKeyStats(const PupilsFolder& pupils, const std::string& pupil);

// Adds one run's first tries to the pupil's measurements. A damaged
// klawisze.dat is kept aside and the measurements start again. Throws FileError, changing nothing, when a file
// cannot be read or written.
void StoreKeyPresses(const PupilsFolder& pupils, const std::string& pupil,
                     const std::vector<KeyPress>& presses);
