// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"
#include "pupils/CharErrorCount.h"
#include "pupils/StatRecord.h"

#include <cstdint>
#include <functional>
#include <string>

// Everything stored for one pupil: the runs, oldest first, and how often
// each character was mistyped over all of them, in order of first error.
class CPupilStats : public CStatRecordArray {
public:
    CharErrorArray m_charErrors;

    // Replaces the runs and the character table with what the stat.dat file
    // at path holds. Throws FileError, leaving the store as it was, when the
    // file cannot be read or is damaged or foreign.
    void Load(const std::string& path);
    // Replaces the file at path with the whole store; a failed save throws
    // FileError and leaves the old file as it was.
    void Save(const std::string& path) const;

    // Adds n errors on ch to its entry, or appends an entry for a character
    // not seen before.
    void AddCharErrors(char ch, int32_t n);
};

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
                   const std::function<void(const StatRecord&)>& onRun,
                   CharErrorArray& charErrors);
void SavePupilStats(const PupilsFolder& pupils, const std::string& pupil, const CPupilStats& stats);
