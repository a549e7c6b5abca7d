#pragma once

#include "platform/FileStamp.h"

#include <map>
#include <string>

// The best grade of every lesson for one pupil, as the pupil's stat.dat holds
// it at the moment of asking. The file is read and graded again only when it
// has changed (another identity, size or modification time), so painting a
// long lesson list costs one read at most.
class CBestGrades {
public:
    // Brings the grades up to date with the pupil's file. Throws FileError
    // when the file exists but cannot be read; the grades are then empty.
    void Refresh(const std::string& pupil);

    // 0 when the pupil has no run of the lesson (Windows-1250, any case).
    int BestGrade(const std::string& lesson) const;

private:
    void Regrade(const std::string& pupil);

    bool m_loaded = false;
    std::string m_pupil;
    FileStamp m_stamp;
    std::map<std::string, int> m_bestByFoldedLesson;
};
