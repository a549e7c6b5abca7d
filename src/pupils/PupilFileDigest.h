// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/PupilFilesStamp.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"

#include <optional>
#include <utility>
#include <string>

// What a window keeps of one pupil's stat.dat: a digest made run by run
// (the lessons' grades, the runs by lesson) instead of the store itself, so
// a long history is never held whole. The file is read again only when the
// pupil's files have changed (see PupilFilesStamp) or another pupil is asked
// for. Digest is default-constructed and given each run by
// Add(const StatRecord&), and the character table by SetCharErrors when it
// has that. The file's bytes stay with the program, for the next reading,
// until the window calls ReturnFreedMemory.
template <class Digest> class CPupilFileDigest {
public:
    // The digest of the pupil's file as it is now. Throws FileError, holding
    // nothing afterwards, when the file cannot be read (see LoadPupilStats).
    const Digest& Load(const PupilsFolder& pupils, const std::string& pupil) {
        const std::string path = GetStatFilePath(pupils, pupil);
        const PupilFilesStamp stamp = PupilFilesStamp::Of(pupils, pupil);
        if (m_digest && path == m_path && stamp == m_stamp)
            return *m_digest;
        m_digest.emplace();
        CharErrorArray charErrors;
        try {
            ReadPupilRuns(
                pupils, pupil, [this](const StatRecord& run) { m_digest->Add(run); }, charErrors);
        } catch (...) {
            m_digest.reset();
            throw;
        }
        if constexpr (requires(Digest digest) { digest.SetCharErrors(charErrors); })
            m_digest->SetCharErrors(std::move(charErrors));
        m_path = path;
        m_stamp = stamp;
        return *m_digest;
    }

private:
    std::string m_path;
    PupilFilesStamp m_stamp;
    std::optional<Digest> m_digest;
};
