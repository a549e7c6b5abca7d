#pragma once

#include "platform/StringList.h"

#include <string>

// Appends the lines of an import text file to lines. A carriage return ends a
// line, a line feed is dropped (so CR LF and lone CR breaks separate lines,
// while text on both sides of a lone LF joins into one line), empty lines
// vanish and a last line without a break still counts. The file is read as
// ReadTextFile reads it: a missing file adds nothing, one that cannot be read
// throws FileError.
void LoadImportText(const std::string& path, StringList& lines);
