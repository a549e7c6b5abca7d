#include "chooser/BestGrades.h"

#include "exercise/Grading.h"
#include "platform/Cp1250.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"

#include <sys/stat.h>

#include <algorithm>

namespace {

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), FoldCase);
    return text;
}

} // namespace

CBestGrades::FileStamp CBestGrades::StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {true, static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
            static_cast<uint64_t>(info.st_size),
            static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

void CBestGrades::Refresh(const std::string& pupil) {
    const FileStamp stamp = StampOf(GetStatFilePath(pupil));
    if (m_loaded && pupil == m_pupil && stamp == m_stamp)
        return;
    m_loaded = true;
    m_pupil = pupil;
    m_stamp = stamp;
    m_bestByFoldedLesson.clear();
    Regrade(pupil);
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
