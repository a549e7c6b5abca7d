// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <string>

// Whether the teaching aids (the on-screen keyboard and all that goes with
// it, F2 or "Klawiatura") are on: the pupil's own choice, else the
// account's, on at first. With them off every window is as plain as the
// program's windows are without additions.
bool AidsShownForPupil(const PupilsFolder& pupils, const std::string& pupil);

// Keeps the choice for the pupil; without a pupil, for the account. A choice
// that cannot be kept still holds for this exercise.
void KeepAidsShown(const PupilsFolder& pupils, const std::string& pupil, bool shown);
