#pragma once

#include "platform/FileStamp.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"

#include <optional>
#include <string>

// What a window keeps of one pupil's stat.dat: a digest made from the whole
// store (the lessons' grades, the runs by lesson) instead of the store
// itself, so a long history is held whole only while the digest is made.
// The file is read again only when it has changed (another identity, size
// or modification time) or another pupil is asked for. Digest is built from
// a const CPupilStats&. The memory the store took stays with the program,
// for the next reading, until the window calls ReturnFreedMemory.
template <class Digest> class CPupilFileDigest {
public:
    // The digest of the pupil's file as it is now. Throws FileError, holding
    // nothing afterwards, when the file cannot be read (see LoadPupilStats).
    const Digest& Load(const PupilsFolder& pupils, const std::string& pupil) {
        const std::string path = GetStatFilePath(pupils, pupil);
        const FileStamp stamp = FileStamp::Of(path);
        if (m_digest && path == m_path && stamp == m_stamp)
            return *m_digest;
        m_digest.reset();
        CPupilStats stats;
        LoadPupilStats(pupils, pupil, stats);
        m_digest.emplace(stats);
        m_path = path;
        m_stamp = stamp;
        return *m_digest;
    }

private:
    std::string m_path;
    FileStamp m_stamp;
    std::optional<Digest> m_digest;
};
