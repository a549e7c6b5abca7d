#pragma once

#include "pupils/PupilStats.h"

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
