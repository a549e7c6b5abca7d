// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/StringList.h"

#include <string>

// Appends the lines of an import text file to lines. CR LF, a lone CR and a
// lone LF each end a line, empty lines vanish and a last line without a
// break still counts. The file is read as
// ReadTextFile reads it: a missing file adds nothing, one that cannot be read
// throws FileError.
void LoadImportText(const std::string& path, StringList& lines);
