// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/StoreRun.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "pupils/DamagedCopy.h"
#include "pupils/PlausibleRun.h"
#include "pupils/PupilFileReplace.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"
#include "pupils/RunFiles.h"
#include "pupils/StatFile.h"

#include <filesystem>

namespace {

std::string SalvageNotice(size_t runsKept, const std::string& keptAs) {
    return "Plik ze statystykami ucznia był uszkodzony. Odczytane z niego wyniki (" +
           std::to_string(runsKept) +
           ") zapisano w nowym pliku razem z wynikiem tej lekcji. Cały uszkodzony plik "
           "zachowano jako:\n" +
           keptAs;
}

const std::string kFullNotice =
    "Plik ze statystykami ucznia osiągnął największy rozmiar, jaki program czyta (64 MB). "
    "Wynik tej lekcji zapisano w osobnym pliku obok niego i będzie widoczny jak inne. "
    "Poproś nauczyciela, aby przeniósł stary plik stat.dat do archiwum.";

// The runs of stat.dat's bytes; a damaged file is kept aside and what could
// be trusted of it is salvaged, which the result then says.
CPupilStats ReadOrSalvage(const std::string& folder, const std::string& path,
                          const std::optional<std::string>& bytes, StoreRunResult& result) {
    CPupilStats stats;
    result = {};
    if (!bytes)
        return stats;
    try {
        DecodeStatFile(*bytes, path, stats);
    } catch (const FileError&) {
        result.damagedFileKeptAs = KeepDamagedCopy(folder, "stat", *bytes);
        result.notice = SalvageNotice(KeepPlausibleRuns(stats), result.damagedFileKeptAs);
    }
    return stats;
}

FileError NamingKeptCopy(const FileError& error, const std::string& keptAs) {
    if (keptAs.empty())
        return error;
    return FileError(error.Path(),
                     error.Problem() +
                         ". Uszkodzony plik ze statystykami zachowano jako: " + keptAs);
}

// Folds the pupil's kept runs into stat.dat, each once and in date order,
// never past the size every reader can read.
StoreRunResult FoldRunFiles(const std::string& folder, const std::string& path) {
    StoreRunResult result;
    CPupilStats folded;
    std::vector<RunFileName> files;
    const auto change = [&](const std::optional<std::string>& bytes) -> std::optional<std::string> {
        folded = ReadOrSalvage(folder, path, bytes, result);
        files = ListRunFiles(folder);
        const std::vector<KeptRun> kept = ReadRunFiles(files, KeysOfRecentRuns(folded, files));
        if (!FoldIn(folded, kept) && result.damagedFileKeptAs.empty())
            return std::nullopt;
        std::string encoded = EncodeStatFile(folded);
        if (encoded.size() > kMaxStatFileBytes) {
            result.notice = kFullNotice;
            return std::nullopt;
        }
        return encoded;
    };
    try {
        ReplacePupilFile(path, change);
    } catch (const FileError& error) {
        throw NamingKeptCopy(error, result.damagedFileKeptAs);
    }
    if (result.notice != kFullNotice)
        RemoveFoldedRunFiles(files, KeysOfRecentRuns(folded, files), path);
    return result;
}


// Whether the run is kept, in stat.dat or in a file of its own. A damaged
// stat.dat holds nothing here (the fold salvages it); one that cannot be
// read now throws.
bool IsStored(const std::string& folder, const std::string& path, const StatRecord& run) {
    const std::string key = RunKey(run);
    for (const RunFileName& file : ListRunFiles(folder))
        if (file.key == key)
            return true;
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    CPupilStats stored;
    try {
        if (bytes)
            DecodeStatFile(*bytes, path, stored);
    } catch (const FileError&) {
    }
    return Holds(stored, run);
}

} // namespace

StoreRunResult StoreRun(const PupilsFolder& pupils, const std::string& pupil, StatRecord run,
                        const CharErrorArray& errors) {
    const std::string folder = GetPupilFolder(pupils, pupil);
    MakePupilFolder(pupils, pupil);
    const std::string runFile = KeepRunFile(folder, run, errors);
    try {
        return FoldRunFiles(folder, GetStatFilePath(pupils, pupil));
    } catch (const FileError&) {
        // Reported as not stored, the run goes to the outbox: it must not
        // stay here as well, to be stored twice. Should stat.dat hold it
        // after all, the delivery finds it there.
        std::error_code ignored;
        std::filesystem::remove(runFile, ignored);
        throw;
    }
}

StoreRunResult StoreRunOnce(const PupilsFolder& pupils, const std::string& pupil,
                            const StatRecord& run, const CharErrorArray& errors) {
    const std::string folder = GetPupilFolder(pupils, pupil);
    const std::string path = GetStatFilePath(pupils, pupil);
    MakePupilFolder(pupils, pupil);
    if (IsStored(folder, path, run))
        return FoldRunFiles(folder, path);
    return StoreRun(pupils, pupil, run, errors);
}
