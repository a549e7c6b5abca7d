#include "pupils/PupilRegistry.h"

#include "platform/Cp1250.h"
#include "platform/FolderScan.h"
#include "platform/ProgramContext.h"
#include "pupils/PupilFolders.h"

std::string GetCurrentPupil() {
    return CProgramContext::Current().currentPupil;
}

void SetCurrentPupil(const std::string& pupil) {
    CProgramContext::Current().currentPupil = pupil;
}

int ListPupils(StringList& names) {
    int added = 0;
    CFolderScan scan;
    scan.Open(GetPupilsFolder());
    while (scan.Next()) {
        if (!scan.IsDirectory())
            continue;
        const std::string folderName = scan.GetFileName();
        const std::string pupil = Utf8ToCp1250(folderName);
        if (Cp1250ToUtf8(pupil) != folderName)
            continue;
        names.push_back(pupil);
        ++added;
    }
    return added;
}
