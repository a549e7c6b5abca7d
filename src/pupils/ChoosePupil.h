// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <string>

// Asks which pupil of the folder is at the keyboard and puts their name
// (Windows-1250) in pupil. OK takes the selected name (none when there are
// no pupils). Cancel keeps a pupil chosen before, and otherwise takes the
// first pupil in the order the file system lists them, so the runs are
// stored under some pupil whenever there is one. Returns the dialog's
// result.
int ChoosePupil(const PupilsFolder& pupils, std::string& pupil);
