#include "chooser/BestGrades.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"

#include <algorithm>

void CBestGrades::Refresh(const std::string& pupil) {
    const FileStamp stamp = FileStamp::Of(GetStatFilePath(pupil));
    if (m_loaded && pupil == m_pupil && stamp == m_stamp)
        return;
    m_loaded = true;
    m_pupil = pupil;
    m_stamp = stamp;
    m_bestByFoldedLesson.clear();
    try {
        Regrade(pupil);
    } catch (...) {
        // Read again at the next refresh: a share may answer again by then.
        m_loaded = false;
        throw;
    }
}

void CBestGrades::Regrade(const std::string& pupil) {
    CPupilStats stats;
    LoadPupilStats(pupil, stats);
    for (const StatRecord& run : stats) {
        int& best = m_bestByFoldedLesson[Folded(run.lesson)];
        best = std::max(best, GradeOfRun(run));
    }
}

int CBestGrades::BestGrade(const std::string& lesson) const {
    const auto found = m_bestByFoldedLesson.find(Folded(lesson));
    return found == m_bestByFoldedLesson.end() ? 0 : found->second;
}
