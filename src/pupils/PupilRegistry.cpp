#include "pupils/PupilRegistry.h"

#include "platform/Cp1250.h"
#include "platform/FolderScan.h"
#include "platform/ProgramContext.h"
#include "platform/SystemErrorText.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilsFolderCheck.h"

std::string GetCurrentPupil() {
    return CProgramContext::Current().currentPupil;
}

void SetCurrentPupil(const std::string& pupil) {
    CProgramContext::Current().currentPupil = pupil;
}

PupilScan ScanPupils() {
    PupilScan found;
    found.folderProblem = PupilsFolderProblem();
    if (found.folderProblem)
        return found;
    CFolderScan scan;
    scan.Open(GetPupilsFolder());
    while (scan.Next()) {
        if (!scan.IsDirectory())
            continue;
        const std::string folderName = scan.GetFileName();
        const std::string pupil = Utf8ToCp1250(folderName);
        if (Cp1250ToUtf8(pupil) == folderName)
            found.names.push_back(pupil);
        else
            found.unlisted.push_back(
                {pupil, "nazwa folderu ucznia ma znaki, których program nie obsługuje (spoza "
                        "polskiego alfabetu albo w innym kodowaniu niż UTF-8); zmień nazwę "
                        "folderu, aby pokazać jego wyniki"});
    }
    if (scan.Error() && scan.Error() != std::errc::no_such_file_or_directory)
        found.folderProblem = FileError(GetPupilsFolder(), "nie można odczytać folderu uczniów (" +
                                                               SystemErrorText(scan.Error().value()) +
                                                               ")");
    return found;
}

int ListPupils(StringList& names) {
    PupilScan found = ScanPupils();
    names.insert(names.end(), found.names.begin(), found.names.end());
    return static_cast<int>(found.names.size());
}
