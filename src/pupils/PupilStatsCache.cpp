#include "pupils/PupilStatsCache.h"

#include "platform/FileError.h"
#include "pupils/PupilFolders.h"

const CPupilStatsCache::Entry& CPupilStatsCache::Load(const std::string& pupil) {
    const FileStamp stamp = FileStamp::Of(GetStatFilePath(pupil));
    const auto known = m_entries.find(pupil);
    if (known != m_entries.end() && known->second.stamp == stamp)
        return known->second;
    Entry fresh{stamp, {}};
    try {
        LoadPupilStats(pupil, fresh.stats);
    } catch (const FileError&) {
        m_entries.erase(pupil);
        throw;
    }
    return m_entries[pupil] = std::move(fresh);
}
