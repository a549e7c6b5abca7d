// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileError.h"
#include "platform/ProgramFolders.h"
#include "pupils/PupilFilesStamp.h"
#include "teacher/ClassTable.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The class as the pupils' files hold it when asked: a row per pupil of the
// pupils folder, in the Polish alphabetical order; a pupil whose runs cannot
// be shown (a file or folder that cannot be read, a folder name the program
// cannot use) has a row that says why. A pupil's files are read again only
// when one has changed, so a store kept for the program's life reads a class
// once however often the table is shown; what changed is read on every core
// at once. Only the rows are kept, never the runs. Files are only ever read.
class CClassStore {
public:
    explicit CClassStore(PupilsFolder pupils) : m_pupilsFolder(std::move(pupils)) {}

    // Brings every row up to date for the table's lessons (Windows-1250).
    const std::vector<PupilRow>& Refresh(const std::vector<std::string>& lessons);

    // Why the pupils folder could not be read at the last refresh; nothing
    // when it could.
    const std::optional<FileError>& FolderProblem() const { return m_folderProblem; }

private:
    struct Pupil {
        PupilFilesStamp stamp;
        PupilRow row;
    };

    PupilsFolder m_pupilsFolder;
    std::vector<std::string> m_lessons;
    std::map<std::string, Pupil> m_pupils; // rows read whole, by pupil
    std::vector<PupilRow> m_rows;
    std::optional<FileError> m_folderProblem;
};

// The row of one pupil, read from their files now.
PupilRow ReadPupilRow(const PupilsFolder& pupils, const std::string& pupil,
                      const std::vector<std::string>& lessons);
