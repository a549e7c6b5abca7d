// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilStatFile.h"

#include "platform/BinaryFile.h"
#include "pupils/PupilFolders.h"
#include "pupils/RunFiles.h"
#include "pupils/StatFile.h"

#include <set>

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
