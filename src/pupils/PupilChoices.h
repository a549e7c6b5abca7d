// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <optional>
#include <string>

// A pupil's own choices, kept in the pupil's folder beside stat.dat
// (wybory.dat), so that pupils who share a lab account do not change each
// other's: today, whether the teaching aids (the on-screen keyboard, the
// hands and the colours of the typing field) are shown. Written as stat.dat
// is: under a lock, through a temporary file, a damaged file kept aside, and
// never replaced after a failed read.

// The pupil's choice; nothing when they made none, or the file cannot be
// read now (the account's choice then stands).
std::optional<bool> LoadAidsShown(const PupilsFolder& pupils, const std::string& pupil);

// Throws FileError when the choice cannot be kept.
void SaveAidsShown(const PupilsFolder& pupils, const std::string& pupil, bool shown);
