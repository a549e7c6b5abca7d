#include "pupils/StoreRun.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileLock.h"
#include "platform/FileStamp.h"
#include "pupils/DamagedCopy.h"
#include "pupils/PlausibleRun.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"
#include "pupils/StatFile.h"

#include <algorithm>

namespace {

// How often a save is tried again when another computer replaced the file
// in the middle of it, which only happens where the share's locks do not
// work.
constexpr int kSaveAttempts = 5;

std::string SalvageNotice(size_t runsKept, const std::string& keptAs) {
    return "Plik ze statystykami ucznia był uszkodzony. Odczytane z niego wyniki (" +
           std::to_string(runsKept) +
           ") zapisano w nowym pliku razem z wynikiem tej lekcji. Cały uszkodzony plik "
           "zachowano jako:\n" +
           keptAs;
}

// Reads the pupil's runs; a damaged file is kept aside and what could be
// trusted of it is salvaged into stats. Only a file that is not there at all
// reads as no runs: any other failure throws and nothing is written.
StoreRunResult LoadOrSalvage(const std::string& folder, const std::string& path,
                             CPupilStats& stats) {
    StoreRunResult result;
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    if (!bytes)
        return result;
    try {
        DecodeStatFile(*bytes, path, stats);
    } catch (const FileError&) {
        result.damagedFileKeptAs = KeepDamagedCopy(folder, "stat", *bytes);
        result.notice = SalvageNotice(KeepPlausibleRuns(stats), result.damagedFileKeptAs);
    }
    return result;
}

FileError NamingKeptCopy(const FileError& error, const std::string& keptAs) {
    if (keptAs.empty())
        return error;
    return FileError(error.Path(),
                     error.Problem() +
                         ". Uszkodzony plik ze statystykami zachowano jako: " + keptAs);
}

bool Holds(const CStatRecordArray& runs, const StatRecord& run) {
    return std::find(runs.rbegin(), runs.rend(), run) != runs.rend();
}

// Reads the file back: true when the run is in it. Where locks do not
// exclude, another computer may have replaced the file just after us.
bool RunIsStored(const std::string& path, const StatRecord& run) {
    CPupilStats stored;
    try {
        stored.Load(path);
    } catch (const FileError&) {
        return false;
    }
    return Holds(stored, run);
}

enum class IfStored { StoreAgain, Skip };

// One attempt under the lock; false when another writer came between the
// read and the write, and the attempt must be made again.
bool TryToStore(const std::string& folder, const std::string& path, const StatRecord& run,
                const CharErrorArray& errors, IfStored ifStored, StoreRunResult& result) {
    const CFileLock lock(path + ".lock");
    RemoveInterruptedWrites(folder);
    const FileStamp stamp = FileStamp::Of(path);
    CPupilStats stats;
    result = LoadOrSalvage(folder, path, stats);
    if (ifStored == IfStored::Skip && Holds(stats, run))
        return true;
    for (const CharErrorCount& error : errors)
        stats.AddCharErrors(error.ch, error.count);
    stats.push_back(run);
    try {
        return ReplaceFileIfUnchanged(path, EncodeStatFile(stats), stamp) && RunIsStored(path, run);
    } catch (const FileError& error) {
        throw NamingKeptCopy(error, result.damagedFileKeptAs);
    }
}

StoreRunResult Store(const PupilsFolder& pupils, const std::string& pupil, const StatRecord& run,
                     const CharErrorArray& errors, IfStored ifStored) {
    const std::string folder = GetPupilFolder(pupils, pupil);
    const std::string path = GetStatFilePath(pupils, pupil);
    MakePupilFolder(pupils, pupil);
    StoreRunResult result;
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt)
        if (TryToStore(folder, path, run, errors, ifStored, result))
            return result;
    throw FileError(path, "wyniku nie zapisano: inny komputer zapisywał w tym samym czasie wyniki "
                          "tego ucznia, a blokowanie plików w tym folderze nie działa");
}

} // namespace

StoreRunResult StoreRun(const PupilsFolder& pupils, const std::string& pupil, StatRecord run,
                        const CharErrorArray& errors) {
    return Store(pupils, pupil, run, errors, IfStored::StoreAgain);
}

StoreRunResult StoreRunOnce(const PupilsFolder& pupils, const std::string& pupil,
                            const StatRecord& run, const CharErrorArray& errors) {
    return Store(pupils, pupil, run, errors, IfStored::Skip);
}
