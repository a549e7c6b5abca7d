#include "app/TypingApp.h"

#include "app/RunLesson.h"
#include "chooser/LessonDlg.h"
#include "platform/MessageBox.h"
#include "platform/ProgramContext.h"
#include "platform/QtText.h"

#include <filesystem>

namespace {

// A school's pupils folder that is not there (a share not mounted) is told
// at once; nothing is then stored until it is back.
void WarnOfMissingPupilsFolder() {
    const ProgramFolders& folders = CProgramContext::Current().Folders();
    std::error_code error;
    if (!folders.pupilsFolderSet || std::filesystem::is_directory(folders.pupils, error))
        return;
    ShowMessage(nullptr,
                QStringLiteral("Folder uczniów %1 jest niedostępny. Wyniki nie zostaną zapisane, "
                               "dopóki folder nie będzie dostępny (ustawienie PupilsFolder w "
                               "tastrum.conf albo zmienna TASTRUM_PUPILS).")
                    .arg(PathToQString(folders.pupils)));
}

} // namespace

int CTypingApp::Run() {
    WarnOfMissingPupilsFolder();
    CLessonDlg chooser;
    chooser.SetLessonRunner(&RunLesson);
    chooser.Start();
    return 0;
}
