// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilStats.h"

#include "platform/BinaryFile.h"
#include "pupils/PupilFolders.h"
#include "pupils/RunFiles.h"
#include "pupils/StatFile.h"

#include <algorithm>
#include <climits>

void CPupilStats::Load(const std::string& path) {
    CPupilStats loaded;
    DecodeStatFile(ReadBinaryFile(path, kMaxStatFileBytes), path, loaded);
    *this = std::move(loaded);
}

void CPupilStats::Save(const std::string& path) const {
    WriteFileAtomically(path, EncodeStatFile(*this));
}

void CPupilStats::AddCharErrors(char ch, int32_t n) {
    const auto entry = std::find_if(m_charErrors.begin(), m_charErrors.end(),
                                    [ch](const CharErrorCount& e) { return e.ch == ch; });
    if (entry == m_charErrors.end()) {
        m_charErrors.push_back({ch, n});
        return;
    }
    // A damaged file may hold any count; adding to it must not overflow.
    const int64_t sum = int64_t{entry->count} + n;
    entry->count = static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

void LoadPupilStats(const PupilsFolder& pupils, const std::string& pupil, CPupilStats& stats) {
    // Only "no such file" means a pupil without runs; a file that is there
    // but cannot be read now throws, so that nobody takes it for empty.
    const std::string path = GetStatFilePath(pupils, pupil);
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    const std::vector<RunFileName> files = ListRunFiles(GetPupilFolder(pupils, pupil));
    if (!bytes && files.empty())
        return;
    CPupilStats loaded;
    if (bytes)
        DecodeStatFile(*bytes, path, loaded);
    FoldIn(loaded, ReadRunFiles(files, KeysOfRecentRuns(loaded, files)));
    stats = std::move(loaded);
}

void ReadPupilRuns(const PupilsFolder& pupils, const std::string& pupil,
                   const std::function<void(const StatRecord&)>& onRun,
                   CharErrorArray& charErrors) {
    const std::string path = GetStatFilePath(pupils, pupil);
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    const std::vector<RunFileName> files = ListRunFiles(GetPupilFolder(pupils, pupil));
    const int64_t oldest = OldestSeconds(files);
    std::set<std::string> held;
    if (bytes)
        ReadStatFileRuns(
            *bytes, path, [](size_t) {},
            [&](StatRecord& run) {
                if (!files.empty() && RunSeconds(run) >= oldest)
                    held.insert(RunKey(run));
                onRun(run);
            },
            charErrors);
    // The runs kept in files of their own that stat.dat does not hold yet.
    CPupilStats unfolded;
    unfolded.m_charErrors = std::move(charErrors);
    FoldIn(unfolded, ReadRunFiles(files, held));
    for (const StatRecord& run : unfolded)
        onRun(run);
    charErrors = std::move(unfolded.m_charErrors);
}

void SavePupilStats(const PupilsFolder& pupils, const std::string& pupil,
                    const CPupilStats& stats) {
    stats.Save(GetStatFilePath(pupils, pupil));
}
