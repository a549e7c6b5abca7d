// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"
#include "platform/ProgramFolders.h"

#include <string>

// What tells one state of a pupil's files from another without reading
// them: the stamps of stat.dat, of klawisze.dat and of the pupil's folder,
// which changes as runs kept in files of their own come and go. Whatever a
// reader makes of the pupil's files holds while this stays equal.
struct PupilFilesStamp {
    FileStamp runs, keys, folder;

    bool operator==(const PupilFilesStamp&) const = default;

    static PupilFilesStamp Of(const PupilsFolder& pupils, const std::string& pupil);
};
