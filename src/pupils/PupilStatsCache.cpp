// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilStatsCache.h"
#include "pupils/PupilStatFile.h"

#include "platform/FileError.h"
#include "pupils/PupilFolders.h"

const CPupilStatsCache::Entry& CPupilStatsCache::Load(const PupilsFolder& pupils,
                                                      const std::string& pupil) {
    const std::string path = GetStatFilePath(pupils, pupil);
    const FileStamp stamp = FileStamp::Of(path);
    const auto known = m_entries.find(path);
    if (known != m_entries.end() && known->second.stamp == stamp)
        return known->second;
    Entry fresh{stamp, {}};
    try {
        LoadPupilStats(pupils, pupil, fresh.stats);
    } catch (const FileError&) {
        m_entries.erase(path);
        throw;
    }
    return m_entries[path] = std::move(fresh);
}
