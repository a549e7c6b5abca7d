#include "pupils/StoreRun.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileLock.h"
#include "platform/FolderScan.h"
#include "pupils/PlausibleRun.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"
#include "pupils/StatFile.h"

#include <algorithm>

namespace {

std::string DamagedFileName(const std::string& folder, int number) {
    return folder + "/stat-uszkodzony-" + std::to_string(number) + ".dat";
}

// Where the damaged bytes are kept: the copy that already holds them, so
// that failed attempts to store runs never pile up copies, or else a name
// nothing uses yet. Only called under the lock, so no other copy of the
// program can take the name meanwhile.
std::string DamagedCopyOf(const std::string& folder, const std::string& bytes, bool& exists) {
    for (int number = 1;; ++number) {
        const std::string path = DamagedFileName(folder, number);
        exists = FileExists(path);
        if (!exists || ReadBinaryFile(path) == bytes)
            return path;
    }
}

// Keeps the damaged bytes under a name of their own before stat.dat is
// replaced, so nothing of the pupil's history is ever thrown away.
std::string KeepDamagedFile(const std::string& folder, const std::string& bytes) {
    bool exists = false;
    std::string path = DamagedCopyOf(folder, bytes, exists);
    if (!exists)
        WriteFileAtomically(path, bytes);
    return path;
}

std::string SalvageNotice(size_t runsKept, const std::string& keptAs) {
    return "Plik ze statystykami ucznia był uszkodzony. Odczytane z niego wyniki (" +
           std::to_string(runsKept) +
           ") zapisano w nowym pliku razem z wynikiem tej lekcji. Cały uszkodzony plik "
           "zachowano jako:\n" +
           keptAs;
}

// Reads the pupil's runs; a damaged file is kept aside and what could be
// trusted of it is salvaged into stats.
StoreRunResult LoadOrSalvage(const std::string& folder, const std::string& path,
                             CPupilStats& stats) {
    StoreRunResult result;
    if (!FileExists(path))
        return result;
    const std::string bytes = ReadBinaryFile(path);
    try {
        DecodeStatFile(bytes, path, stats);
    } catch (const FileError&) {
        result.damagedFileKeptAs = KeepDamagedFile(folder, bytes);
        result.notice = SalvageNotice(KeepPlausibleRuns(stats), result.damagedFileKeptAs);
    }
    return result;
}

void SaveNamingKeptCopy(const std::string& pupil, const CPupilStats& stats,
                        const std::string& keptAs) {
    try {
        SavePupilStats(pupil, stats);
    } catch (const FileError& error) {
        if (keptAs.empty())
            throw;
        throw FileError(error.Path(),
                        error.Problem() +
                            ". Uszkodzony plik ze statystykami zachowano jako: " + keptAs);
    }
}

} // namespace

StoreRunResult StoreRun(const std::string& pupil, StatRecord run, const CharErrorArray& errors) {
    const std::string folder = GetPupilFolder(pupil);
    const std::string path = GetStatFilePath(pupil);
    MakePupilFolder(pupil);
    const CFileLock lock(path + ".lock");
    RemoveInterruptedWrites(path);

    CPupilStats stats;
    const StoreRunResult result = LoadOrSalvage(folder, path, stats);
    for (const CharErrorCount& error : errors)
        stats.AddCharErrors(error.ch, error.count);
    stats.push_back(std::move(run));
    SaveNamingKeptCopy(pupil, stats, result.damagedFileKeptAs);
    return result;
}
