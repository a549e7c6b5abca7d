// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilsFolderCheck.h"

#include "platform/FolderScan.h"
#include "platform/GroupShare.h"
#include "platform/SystemErrorText.h"

#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool HoldsPupilWithRuns(const std::string& folder) {
    CFolderScan scan;
    scan.Open(folder);
    while (scan.Next())
        if (scan.IsDirectory() && FileExists(scan.GetFilePath() + "/stat.dat"))
            return true;
    return false;
}

// Best effort: a folder that is readable but not writable for this account
// still serves the teacher's view.
void Mark(const std::string& folder) {
    const std::string mark = folder + "/" + kPupilsFolderMark;
    const int fd = ::open(mark.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    if (IsSharedWithGroup(folder))
        OpenFileToGroup(fd);
    ::close(fd);
}

std::optional<FileError> SchoolFolderProblem(const std::string& folder) {
    if (PathIsPresent(folder + "/" + kPupilsFolderMark))
        return std::nullopt;
    if (HoldsPupilWithRuns(folder)) {
        Mark(folder);
        return std::nullopt;
    }
    return FileError(folder,
                     std::string("folder uczniów nie jest przygotowany dla programu (brak pliku ") +
                         kPupilsFolderMark +
                         "). Może to być miejsce montowania udziału sieciowego, który nie jest "
                         "teraz zamontowany. Administrator przygotowuje folder poleceniem "
                         "tastrum --init-pupils-folder");
}

} // namespace

std::optional<FileError> PupilsFolderProblem(const PupilsFolder& pupils) {
    const std::string& folder = pupils.path;
    const bool setBySchool = pupils.setBySchool;
    try {
        if (!PathIsPresent(folder))
            return setBySchool
                       ? std::optional(FileError(folder,
                                                 "folder uczniów nie istnieje (udział sieciowy "
                                                 "nie jest zamontowany albo ustawienie wskazuje "
                                                 "zły folder)"))
                       : std::nullopt;
        std::error_code error;
        if (!std::filesystem::is_directory(folder, error))
            return FileError(folder, "to nie jest folder");
        CFolderScan scan;
        if (!scan.Open(folder) && scan.Error())
            return FileError(folder, "nie można odczytać folderu uczniów (" +
                                         SystemErrorText(scan.Error().value()) + ")");
        return setBySchool ? SchoolFolderProblem(folder) : std::nullopt;
    } catch (const FileError& error) {
        return error;
    }
}
