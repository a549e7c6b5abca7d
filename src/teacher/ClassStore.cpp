// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ClassStore.h"

#include "platform/FileError.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStats.h"
#include "teacher/KeyMeasurements.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <thread>

namespace {

// Calls work(i) for every i below count, on as many threads as the computer
// has cores; an exception of any call comes out here.
template <class Work> void ForEachOnEveryCore(size_t count, const Work& work) {
    std::atomic<size_t> next{0};
    const auto worker = [&] {
        for (size_t i = next++; i < count; i = next++)
            work(i);
    };
    const size_t threads =
        std::min<size_t>(count, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::future<void>> helpers;
    for (size_t t = 1; t < threads; ++t)
        helpers.push_back(std::async(std::launch::async, worker));
    worker();
    for (std::future<void>& helper : helpers)
        helper.get();
}

} // namespace

PupilRow ReadPupilRow(const PupilsFolder& pupils, const std::string& pupil,
                      const std::vector<std::string>& lessons) {
    try {
        CPupilStats stats;
        LoadPupilStats(pupils, pupil, stats);
        PupilRow row = MakePupilRow(pupil, stats, lessons);
        row.weakKeys = ReadKeyMeasurements(pupils, pupil).weakKeys;
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
    const PupilScan scan = ScanPupils(m_pupilsFolder);
    m_folderProblem = scan.folderProblem;

    // A file that changes after its stamp is taken is read now and again at
    // the next refresh, never shown older than it is.
    std::vector<PupilFilesStamp> stamps;
    std::vector<size_t> unread;
    m_rows.assign(scan.names.size(), {});
    for (size_t i = 0; i < scan.names.size(); ++i) {
        stamps.push_back(PupilFilesStamp::Of(m_pupilsFolder, scan.names[i]));
        const auto known = m_pupils.find(scan.names[i]);
        if (known != m_pupils.end() && known->second.stamp == stamps[i])
            m_rows[i] = known->second.row;
        else
            unread.push_back(i);
    }
    ForEachOnEveryCore(unread.size(), [&](size_t u) {
        const size_t i = unread[u];
        m_rows[i] = ReadPupilRow(m_pupilsFolder, scan.names[i], lessons);
    });

    // Rows that could not be read are read again next time.
    m_pupils.clear();
    for (size_t i = 0; i < scan.names.size(); ++i)
        if (m_rows[i].problem.empty())
            m_pupils.emplace(scan.names[i], Pupil{stamps[i], m_rows[i]});
    for (const UnlistedPupil& unlisted : scan.unlisted) {
        m_rows.push_back(MakeUnreadableRow(unlisted.pupil, unlisted.problem, lessons));
        m_rows.back().folderName = unlisted.folderName;
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const PupilRow& a, const PupilRow& b) {
        return PolishLessCp1250(a.pupil, b.pupil);
    });
    return m_rows;
}
