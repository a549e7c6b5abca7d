// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilFolders.h"

#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/FolderScan.h"
#include "platform/GroupShare.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"
#include "pupils/PupilsFolderCheck.h"

#include <filesystem>

std::string GetPupilFolder(const PupilsFolder& pupils, const std::string& pupil) {
    if (pupil.empty())
        return pupils.path;
    return pupils.path + "/" + Cp1250ToUtf8(pupil);
}

std::string GetStatFilePath(const PupilsFolder& pupils, const std::string& pupil) {
    return GetPupilFolder(pupils, pupil) + "/stat.dat";
}

std::string GetClassTestsFolder(const PupilsFolder& pupils) {
    return pupils.path + "/" + std::string(kClassTestsFolderName);
}

void MakePupilFolder(const PupilsFolder& pupils, const std::string& pupil) {
    if (const std::optional<FileError> problem = PupilsFolderProblem(pupils))
        throw *problem;
    const std::string folder = GetPupilFolder(pupils, pupil);
    if (PathIsPresent(folder))
        return;
    std::error_code error;
    // A school's folder is there (checked above); only the pupil's is made.
    if (pupils.setBySchool)
        std::filesystem::create_directory(folder, error);
    else
        std::filesystem::create_directories(folder, error);
    if (error)
        throw FileError(folder, "nie można utworzyć folderu ucznia (" +
                                    SystemErrorText(error.value()) + ")");
    if (IsSharedWithGroup(pupils.path))
        OpenFolderToGroup(folder);
}
