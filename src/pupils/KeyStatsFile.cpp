// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/KeyStatsFile.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "pupils/DamagedCopy.h"
#include "pupils/PupilFileReplace.h"
#include "pupils/PupilFolders.h"

#include <optional>

namespace {

std::optional<CKeyStats> LoadMeasured(const PupilsFolder& pupils, const std::string& pupil) {
    const std::string path = GetKeyStatsPath(pupils, pupil);
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    if (!bytes)
        return std::nullopt;
    return CKeyStats::Decode(*bytes, path);
}

} // namespace

std::string GetKeyStatsPath(const PupilsFolder& pupils, const std::string& pupil) {
    return GetPupilFolder(pupils, pupil) + "/klawisze.dat";
}

CKeyStats LoadKeyStats(const PupilsFolder& pupils, const std::string& pupil) {
    std::optional<CKeyStats> measured = LoadMeasured(pupils, pupil);
    return measured ? std::move(*measured) : CKeyStats();
}

void StoreKeyPresses(const PupilsFolder& pupils, const std::string& pupil,
                     const std::vector<KeyPress>& presses) {
    const std::string path = GetKeyStatsPath(pupils, pupil);
    MakePupilFolder(pupils, pupil);
    ReplacePupilFile(path, [&](const std::optional<std::string>& bytes) {
        CKeyStats stats;
        try {
            if (bytes)
                stats = CKeyStats::Decode(*bytes, path);
        } catch (const FileError&) {
            KeepDamagedCopy(GetPupilFolder(pupils, pupil), "klawisze", *bytes);
        }
        stats.Add(presses);
        return std::optional(stats.Encode());
    });
}
