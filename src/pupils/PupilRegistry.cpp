// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilRegistry.h"

#include "platform/PrintableText.h"

#include "platform/Cp1250.h"
#include "platform/FolderScan.h"
#include "platform/SystemErrorText.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilsFolderCheck.h"

PupilScan ScanPupils(const PupilsFolder& pupils) {
    PupilScan found;
    found.folderProblem = PupilsFolderProblem(pupils);
    if (found.folderProblem)
        return found;
    CFolderScan scan;
    scan.Open(pupils.path);
    while (scan.Next()) {
        if (!scan.IsDirectory() || scan.GetFileName() == kClassTestsFolderName)
            continue;
        const std::string folderName = scan.GetFileName();
        const std::string pupil = Utf8ToCp1250(folderName);
        if (Cp1250ToUtf8(pupil) == folderName)
            found.names.push_back(pupil);
        else
            found.unlisted.push_back(
                {pupil,
                 "nazwa folderu ucznia ma znaki, których program nie obsługuje (spoza "
                 "polskiego alfabetu albo w innym kodowaniu niż UTF-8); zmień nazwę "
                 "folderu, aby pokazać jego wyniki",
                 PrintableText(folderName)});
    }
    if (scan.Error() && scan.Error() != std::errc::no_such_file_or_directory)
        found.folderProblem =
            FileError(pupils.path, "nie można odczytać folderu uczniów (" +
                                       SystemErrorText(scan.Error().value()) + ")");
    return found;
}

int ListPupils(const PupilsFolder& pupils, StringList& names) {
    PupilScan found = ScanPupils(pupils);
    names.insert(names.end(), found.names.begin(), found.names.end());
    return static_cast<int>(found.names.size());
}
