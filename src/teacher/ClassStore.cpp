#include "teacher/ClassStore.h"

#include "platform/FileError.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilRegistry.h"
#include "teacher/KeyMeasurements.h"

#include <algorithm>

namespace {

PupilRow RowOf(const PupilsFolder& pupils, const std::string& pupil, const CStatRecordArray& runs,
               const std::vector<std::string>& lessons) {
    PupilRow row = MakePupilRow(pupil, runs, lessons);
    row.weakKeys = ReadKeyMeasurements(pupils, pupil).weakKeys;
    return row;
}

} // namespace

PupilRow ReadPupilRow(const PupilsFolder& pupils, const std::string& pupil,
                      const std::vector<std::string>& lessons) {
    try {
        CPupilStatsCache cache;
        return RowOf(pupils, pupil, cache.Load(pupils, pupil).stats, lessons);
    } catch (const FileError& error) {
        return MakeUnreadableRow(pupil, error.Problem(), lessons);
    }
}

const std::vector<PupilRow>& CClassStore::Refresh(const std::vector<std::string>& lessons) {
    if (lessons != m_lessons) {
        m_pupils.clear();
        m_lessons = lessons;
    }
    PupilScan scan = ScanPupils(m_pupilsFolder);
    m_folderProblem = scan.folderProblem;
    std::map<std::string, Pupil> pupils;
    m_rows.clear();
    for (const std::string& name : scan.names) {
        try {
            const CPupilStatsCache::Entry& file = m_stats.Load(m_pupilsFolder, name);
            auto known = m_pupils.find(name);
            Pupil pupil = known != m_pupils.end() && known->second.stamp == file.stamp
                              ? std::move(known->second)
                              : Pupil{file.stamp, RowOf(m_pupilsFolder, name, file.stats, lessons)};
            m_rows.push_back(pupil.row);
            pupils.emplace(name, std::move(pupil));
        } catch (const FileError& error) {
            m_rows.push_back(MakeUnreadableRow(name, error.Problem(), lessons));
        }
    }
    m_pupils = std::move(pupils);
    for (const UnlistedPupil& unlisted : scan.unlisted)
        m_rows.push_back(MakeUnreadableRow(unlisted.pupil, unlisted.problem, lessons));
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const PupilRow& a, const PupilRow& b) {
        return PolishLessCp1250(a.pupil, b.pupil);
    });
    return m_rows;
}
