// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/PupilStats.h"

#include <functional>
#include <string>

// A pupil's stat.dat in the pupils folder, with the runs kept in files of
// their own beside it that it does not hold yet.

// Fills stats from the pupil's stat.dat; a pupil without one leaves stats as
// it was (callers pass an empty store). Throws FileError as Load does, and
// also when the file cannot be looked at now (only "no such file" means no
// runs).
void LoadPupilStats(const PupilsFolder& pupils, const std::string& pupil, CPupilStats& stats);
// Goes through the pupil's stat.dat run by run without keeping the runs,
// for a window that keeps only what it makes of them: onRun gets each run in
// stored order, charErrors the character table. A pupil without a file
// gives nothing; throws FileError as LoadPupilStats does.
void ReadPupilRuns(const PupilsFolder& pupils, const std::string& pupil,
                   const std::function<void(const StatRecord&)>& onRun, CharErrorArray& charErrors);
void SavePupilStats(const PupilsFolder& pupils, const std::string& pupil, const CPupilStats& stats);
