#include "pupils/KeyStatsFile.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileLock.h"
#include "pupils/DamagedCopy.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"

#include <optional>

namespace {

CKeyStats FromStatFile(const std::string& pupil) {
    CPupilStats stats;
    LoadPupilStats(pupil, stats);
    return CKeyStats::FromCharErrors(stats.m_charErrors);
}

} // namespace

std::string GetKeyStatsPath(const std::string& pupil) {
    return GetPupilFolder(pupil) + "/klawisze.dat";
}

CKeyStats LoadKeyStats(const std::string& pupil) {
    const std::string path = GetKeyStatsPath(pupil);
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    return bytes ? CKeyStats::Decode(*bytes, path) : FromStatFile(pupil);
}

void StoreKeyPresses(const std::string& pupil, const std::vector<KeyPress>& presses) {
    const std::string path = GetKeyStatsPath(pupil);
    MakePupilFolder(pupil);
    const CFileLock lock(path + ".lock");
    RemoveInterruptedWrites(GetPupilFolder(pupil));
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    CKeyStats stats;
    try {
        stats = bytes ? CKeyStats::Decode(*bytes, path) : FromStatFile(pupil);
    } catch (const FileError&) {
        if (!bytes)
            throw;
        KeepDamagedCopy(GetPupilFolder(pupil), "klawisze", *bytes);
        stats = FromStatFile(pupil);
    }
    stats.Add(presses);
    WriteFileAtomically(path, stats.Encode());
}
