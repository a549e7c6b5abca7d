#include "pupils/StoreRun.h"

#include "lessons/FolderScan.h"
#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileLock.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"
#include "pupils/StatFile.h"

namespace {

// A name beside stat.dat that nothing uses yet. Only called under the lock,
// so no other copy of the program can take the name meanwhile.
std::string FreeDamagedFileName(const std::string& folder) {
    for (int number = 1;; ++number) {
        const std::string path = folder + "/stat-uszkodzony-" + std::to_string(number) + ".dat";
        if (!FileExists(path))
            return path;
    }
}

// Keeps the damaged bytes under a new name before stat.dat is replaced, so
// nothing of the pupil's history is ever thrown away.
StoreRunResult KeepDamagedFile(const std::string& folder, const std::string& bytes,
                               size_t runsRead) {
    StoreRunResult result;
    result.damagedFileKeptAs = FreeDamagedFileName(folder);
    WriteFileAtomically(result.damagedFileKeptAs, bytes);
    result.notice = "Plik ze statystykami ucznia był uszkodzony. Odczytane z niego wyniki (" +
                    std::to_string(runsRead) +
                    ") zapisano w nowym pliku razem z wynikiem tej lekcji. Uszkodzony plik "
                    "zachowano jako:\n" +
                    result.damagedFileKeptAs;
    return result;
}

} // namespace

StoreRunResult StoreRun(const std::string& pupil, StatRecord run, const CharErrorArray& errors) {
    const std::string folder = GetPupilFolder(pupil);
    const std::string path = GetStatFilePath(pupil);
    MakePupilFolder(pupil);
    const CFileLock lock(path + ".lock");

    CPupilStats stats;
    StoreRunResult result;
    if (FileExists(path)) {
        const std::string bytes = ReadBinaryFile(path);
        try {
            DecodeStatFile(bytes, path, stats);
        } catch (const FileError&) {
            result = KeepDamagedFile(folder, bytes, stats.size());
        }
    }
    for (const CharErrorCount& error : errors)
        stats.AddCharErrors(error.ch, error.count);
    stats.push_back(std::move(run));
    SavePupilStats(pupil, stats);
    return result;
}
