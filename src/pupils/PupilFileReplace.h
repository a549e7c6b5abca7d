// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

// What a change makes of a pupil's file from its bytes as they are now
// (nothing when there is no file yet): the new bytes, or nothing to leave
// the file as it is. It may be called more than once, each time with the
// file as it then is.
using PupilFileChange =
    std::function<std::optional<std::string>(const std::optional<std::string>& bytes)>;

// The one way a pupil's file (stat.dat and every file beside it) is
// replaced: under the file's lock, from the bytes as they are now, through
// a temporary file renamed over it under the file's claim, and only while
// nobody replaced it meanwhile; otherwise the change is made again from the
// new bytes, a few times. A file that cannot be looked at now is never
// taken for a missing one. Throws FileError when the file cannot be read or
// written, or others keep replacing it; the file then stays as it was.
void ReplacePupilFile(const std::string& path, const PupilFileChange& change);
