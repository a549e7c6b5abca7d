// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Keeps the bytes of a damaged file of a pupil under a name of its own
// (folder + "/" + stem + "-uszkodzony-N.dat") before the file is replaced,
// so nothing of the pupil's history is ever thrown away, and returns that
// name. A copy that already holds the same bytes is used again, so failed
// saves never pile up copies. Call it under the file's lock. Throws
// FileError when the copy cannot be made.
std::string KeepDamagedCopy(const std::string& folder, const std::string& stem,
                            const std::string& bytes);
