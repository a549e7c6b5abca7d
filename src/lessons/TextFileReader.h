// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

// Reads a text file a teacher wrote (a lesson file, an import text) and gives
// its content in Windows-1250. A file in Windows-1250 comes back byte for
// byte; a file saved as UTF-8, as Linux editors do, is converted (with or
// without its byte-order mark), characters without a Windows-1250 code
// becoming '?'.
//
// Nothing when the path names nothing on disk. Throws FileError when it names
// something that cannot be read as a file (a folder, no permission).
std::optional<std::string> ReadTextFile(const std::string& path);
