// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilFilesStamp.h"

#include "pupils/KeyStatsFile.h"
#include "pupils/PupilFolders.h"

PupilFilesStamp PupilFilesStamp::Of(const PupilsFolder& pupils, const std::string& pupil) {
    return {FileStamp::Of(GetStatFilePath(pupils, pupil)),
            FileStamp::Of(GetKeyStatsPath(pupils, pupil)),
            FileStamp::Of(GetPupilFolder(pupils, pupil))};
}
