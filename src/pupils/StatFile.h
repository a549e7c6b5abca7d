// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/PupilStats.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The bytes of stat.dat: the run count (4 bytes), each run (lesson, date
// status and value, speed, error percentage, two reserved texts, two
// reserved numbers), the character count (4 bytes) and each character entry
// (1 byte, 4-byte count); little-endian, texts with the framework's length
// prefixes, no header.

std::string EncodeStatFile(const CPupilStats& stats);

// Appends to stats the runs and character entries the bytes hold. Throws
// FileError naming path at the first fault (a cut or damaged file, a foreign
// one); what was read whole before the fault stays appended.
void DecodeStatFile(std::string_view bytes, const std::string& path, CPupilStats& stats);

// The same, run by run, without keeping the runs: expectRuns learns how many
// runs the file can hold, onRun is given each run in stored order (in one
// record reused for the next run, so a text left in it saves making one;
// onRun may take them), and the character entries are appended to
// charErrors.
void ReadStatFileRuns(std::string_view bytes, const std::string& path,
                      const std::function<void(size_t)>& expectRuns,
                      const std::function<void(StatRecord&)>& onRun,
                      CharErrorArray& charErrors);
