// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilChoices.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "pupils/DamagedCopy.h"
#include "pupils/PupilFileReplace.h"
#include "pupils/PupilFolders.h"

namespace {

constexpr std::string_view kHeading = "tastrum wybory 1\n";
constexpr std::string_view kAidsShown = "pomoce=1\n";
constexpr std::string_view kAidsHidden = "pomoce=0\n";
constexpr size_t kMostBytes = 4096;

std::string ChoicesPath(const PupilsFolder& pupils, const std::string& pupil) {
    return GetPupilFolder(pupils, pupil) + "/wybory.dat";
}

// The choice the bytes hold; nothing for bytes that are not such a file.
std::optional<bool> Decode(const std::string& bytes) {
    if (bytes == std::string(kHeading) + std::string(kAidsShown))
        return true;
    if (bytes == std::string(kHeading) + std::string(kAidsHidden))
        return false;
    return std::nullopt;
}

} // namespace

std::optional<bool> LoadAidsShown(const PupilsFolder& pupils, const std::string& pupil) {
    try {
        const std::optional<std::string> bytes =
            ReadBinaryFileIfPresent(ChoicesPath(pupils, pupil), kMostBytes);
        return bytes ? Decode(*bytes) : std::nullopt;
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void SaveAidsShown(const PupilsFolder& pupils, const std::string& pupil, bool shown) {
    const std::string path = ChoicesPath(pupils, pupil);
    MakePupilFolder(pupils, pupil);
    ReplacePupilFile(path, [&](const std::optional<std::string>& bytes) {
        if (bytes && !Decode(*bytes))
            KeepDamagedCopy(GetPupilFolder(pupils, pupil), "wybory", *bytes);
        return std::optional(std::string(kHeading) +
                             std::string(shown ? kAidsShown : kAidsHidden));
    });
}
