#pragma once

#include "platform/FileStamp.h"
#include "teacher/ClassTable.h"

#include <map>
#include <string>
#include <vector>

// The class as the pupils' files hold it when asked: a row per pupil of the
// pupils folder, in the order the folder lists them. Each file is read again
// only when it has changed, so a class is read once however often the table
// is shown. Files are only ever read.
class CClassStore {
public:
    // Brings every row up to date for the table's lessons (Windows-1250).
    const std::vector<PupilRow>& Refresh(const std::vector<std::string>& lessons);

private:
    struct Pupil {
        FileStamp stamp;
        PupilRow row;
    };

    std::vector<std::string> m_lessons;
    std::map<std::string, Pupil> m_pupils;
    std::vector<PupilRow> m_rows;
};

// The row of one pupil, read from their file now.
PupilRow ReadPupilRow(const std::string& pupil, const std::vector<std::string>& lessons);
