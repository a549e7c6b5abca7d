// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/CharErrorCount.h"
#include "pupils/StatRecord.h"

#include <cstdint>
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
