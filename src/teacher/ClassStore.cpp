#include "teacher/ClassStore.h"

#include "platform/FileError.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStats.h"
#include "teacher/KeyMeasurements.h"

#include <algorithm>

PupilRow ReadPupilRow(const std::string& pupil, const std::vector<std::string>& lessons) {
    try {
        CPupilStats stats;
        LoadPupilStats(pupil, stats);
        PupilRow row = MakePupilRow(pupil, stats, lessons);
        row.weakKeys = ReadKeyMeasurements(pupil).weakKeys;
        return row;
    } catch (const FileError& error) {
        return MakeUnreadableRow(pupil, error.Problem(), lessons);
    }
}

const std::vector<PupilRow>& CClassStore::Refresh(const std::vector<std::string>& lessons) {
    if (lessons != m_lessons) {
        m_pupils.clear();
        m_lessons = lessons;
    }
    PupilScan scan = ScanPupils();
    m_folderProblem = scan.folderProblem;
    std::map<std::string, Pupil> pupils;
    m_rows.clear();
    for (const std::string& name : scan.names) {
        const FileStamp stamp = FileStamp::Of(GetStatFilePath(name));
        auto known = m_pupils.find(name);
        Pupil pupil = known != m_pupils.end() && known->second.stamp == stamp
                          ? std::move(known->second)
                          : Pupil{stamp, ReadPupilRow(name, lessons)};
        m_rows.push_back(pupil.row);
        pupils.emplace(name, std::move(pupil));
    }
    m_pupils = std::move(pupils);
    for (const UnlistedPupil& unlisted : scan.unlisted)
        m_rows.push_back(MakeUnreadableRow(unlisted.pupil, unlisted.problem, lessons));
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const PupilRow& a, const PupilRow& b) {
        return PolishLessCp1250(a.pupil, b.pupil);
    });
    return m_rows;
}
