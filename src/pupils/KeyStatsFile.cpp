#include "pupils/KeyStatsFile.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileLock.h"
#include "pupils/DamagedCopy.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"

#include <optional>

namespace {

CKeyStats FromStatFile(const PupilsFolder& pupils, const std::string& pupil) {
    CPupilStats stats;
    LoadPupilStats(pupils, pupil, stats);
    return CKeyStats::FromCharErrors(stats.m_charErrors);
}

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
    return measured ? std::move(*measured) : FromStatFile(pupils, pupil);
}

CKeyStats LoadKeyStats(const PupilsFolder& pupils, const std::string& pupil,
                       const CharErrorArray& statFileErrors) {
    std::optional<CKeyStats> measured = LoadMeasured(pupils, pupil);
    return measured ? std::move(*measured) : CKeyStats::FromCharErrors(statFileErrors);
}

void StoreKeyPresses(const PupilsFolder& pupils, const std::string& pupil,
                     const std::vector<KeyPress>& presses) {
    const std::string path = GetKeyStatsPath(pupils, pupil);
    MakePupilFolder(pupils, pupil);
    const CFileLock lock(path + ".lock");
    RemoveInterruptedWrites(GetPupilFolder(pupils, pupil));
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    CKeyStats stats;
    try {
        stats = bytes ? CKeyStats::Decode(*bytes, path) : FromStatFile(pupils, pupil);
    } catch (const FileError&) {
        if (!bytes)
            throw;
        KeepDamagedCopy(GetPupilFolder(pupils, pupil), "klawisze", *bytes);
        stats = FromStatFile(pupils, pupil);
    }
    stats.Add(presses);
    WriteFileAtomically(path, stats.Encode());
}
