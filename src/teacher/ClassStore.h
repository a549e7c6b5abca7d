// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileError.h"
#include "platform/ProgramFolders.h"
#include "platform/StringList.h"
#include "pupils/PupilFilesStamp.h"
#include "teacher/ClassCache.h"
#include "teacher/ClassTable.h"
#include "teacher/PupilSummary.h"

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
// once however often the table is shown, whatever its lessons; what changed
// is read on every core at once. Only each pupil's summary is kept, never
// the runs, and it is kept in the user's cache folder too, so that the next
// program run reads only what changed meanwhile. The pupils' files are only
// ever read.
class CClassStore {
public:
    explicit CClassStore(PupilsFolder pupils) : m_pupilsFolder(std::move(pupils)) {}

    // Brings every row up to date for the table's lessons (Windows-1250).
    const std::vector<PupilRow>& Refresh(const std::vector<std::string>& lessons);

    const PupilsFolder& Folder() const { return m_pupilsFolder; }

    // Why the pupils folder could not be read at the last refresh; nothing
    // when it could.
    const std::optional<FileError>& FolderProblem() const { return m_folderProblem; }

private:
    // Reads the pupils whose files changed since their summaries were made;
    // gives why each one that could not be read cannot, by pupil.
    std::map<std::string, std::string> ReadChanged(const StringList& pupils);
    // Forgets the pupils no longer in the folder and saves the summaries
    // when they differ from the cache file's.
    void KeepOnly(const StringList& pupils);

    PupilsFolder m_pupilsFolder;
    std::string m_cachePath; // known from the first refresh on
    bool m_cacheLoaded = false;
    bool m_cacheUnsaved = false; // the summaries differ from the cache file's
    CachedClass m_pupils;        // summaries read whole
    std::vector<PupilRow> m_rows;
    std::optional<FileError> m_folderProblem;
};

// The summary of one pupil's files as they are now, or why they cannot be read.
struct PupilReading {
    std::optional<PupilSummary> summary;
    std::string problem; // UTF-8
};
PupilReading ReadPupilSummary(const PupilsFolder& pupils, const std::string& pupil);

// The row of one pupil, read from their files now.
PupilRow ReadPupilRow(const PupilsFolder& pupils, const std::string& pupil,
                      const std::vector<std::string>& lessons);
