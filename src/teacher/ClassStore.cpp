// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ClassStore.h"

#include "platform/FileError.h"
#include "platform/PolishOrder.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStatFile.h"
#include "teacher/KeyMeasurements.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <set>
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

PupilReading ReadPupilSummary(const PupilsFolder& pupils, const std::string& pupil) {
    try {
        CPupilSummaryMaker maker;
        CharErrorArray charErrors;
        ReadPupilRuns(
            pupils, pupil, [&maker](const StatRecord& run) { maker.Add(run); }, charErrors);
        PupilSummary summary = maker.Summary();
        summary.weakKeys = ReadKeyMeasurements(pupils, pupil).weakKeys;
        return {std::move(summary), {}};
    } catch (const FileError& error) {
        return {std::nullopt, error.Problem()};
    }
}

PupilRow ReadPupilRow(const PupilsFolder& pupils, const std::string& pupil,
                      const std::vector<std::string>& lessons) {
    const PupilReading reading = ReadPupilSummary(pupils, pupil);
    return reading.summary ? MakePupilRow(pupil, *reading.summary, lessons)
                           : MakeUnreadableRow(pupil, reading.problem, lessons);
}

const std::vector<PupilRow>& CClassStore::Refresh(const std::vector<std::string>& lessons) {
    if (!m_cacheLoaded) {
        m_cachePath = ClassCachePath(m_pupilsFolder);
        m_pupils = LoadClassCache(m_cachePath, m_pupilsFolder);
        m_cacheLoaded = true;
    }
    const PupilScan scan = ScanPupils(m_pupilsFolder);
    m_folderProblem = scan.folderProblem;
    const std::map<std::string, std::string> problems = ReadChanged(scan.names);
    // A folder that could not be listed whole keeps what is known of the
    // pupils it did not list, and so does the cache file.
    if (!scan.folderProblem)
        KeepOnly(scan.names);

    m_rows.clear();
    for (const std::string& pupil : scan.names) {
        const auto problem = problems.find(pupil);
        m_rows.push_back(problem == problems.end()
                             ? MakePupilRow(pupil, m_pupils.at(pupil).summary, lessons)
                             : MakeUnreadableRow(pupil, problem->second, lessons));
    }
    for (const UnlistedPupil& unlisted : scan.unlisted) {
        m_rows.push_back(MakeUnreadableRow(unlisted.pupil, unlisted.problem, lessons));
        m_rows.back().folderName = unlisted.folderName;
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const PupilRow& a, const PupilRow& b) {
        return PolishLessCp1250(a.pupil, b.pupil);
    });
    return m_rows;
}

std::map<std::string, std::string> CClassStore::ReadChanged(const StringList& pupils) {
    // A file that changes after its stamp is taken is read now and again at
    // the next refresh, never shown older than it is.
    std::vector<PupilFilesStamp> stamps;
    std::vector<size_t> unread;
    for (size_t i = 0; i < pupils.size(); ++i) {
        stamps.push_back(PupilFilesStamp::Of(m_pupilsFolder, pupils[i]));
        const auto known = m_pupils.find(pupils[i]);
        if (known == m_pupils.end() || known->second.stamp != stamps[i])
            unread.push_back(i);
    }
    std::vector<PupilReading> readings(unread.size());
    ForEachOnEveryCore(unread.size(), [&](size_t u) {
        readings[u] = ReadPupilSummary(m_pupilsFolder, pupils[unread[u]]);
    });

    // Pupils that could not be read are read again next time.
    std::map<std::string, std::string> problems;
    for (size_t u = 0; u < unread.size(); ++u) {
        const std::string& pupil = pupils[unread[u]];
        if (readings[u].summary) {
            m_pupils.insert_or_assign(
                pupil, CachedPupil{stamps[unread[u]], std::move(*readings[u].summary)});
            m_cacheUnsaved = true;
        } else {
            m_cacheUnsaved |= m_pupils.erase(pupil) > 0;
            problems.emplace(pupil, readings[u].problem);
        }
    }
    return problems;
}

void CClassStore::KeepOnly(const StringList& pupils) {
    const std::set<std::string> listed(pupils.begin(), pupils.end());
    m_cacheUnsaved |= std::erase_if(m_pupils, [&listed](const auto& known) {
                          return !listed.contains(known.first);
                      }) > 0;
    if (m_cacheUnsaved)
        SaveClassCache(m_cachePath, m_pupilsFolder, m_pupils);
    m_cacheUnsaved = false;
}
