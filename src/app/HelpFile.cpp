#include "app/HelpFile.h"

#include "app/Paths.h"
#include "platform/DesktopOpener.h"

void OpenHelpFile() {
    const std::string helpPath = GetProgramFolder() + "/help/index.htm";
    OpenWithDesktop(helpPath, GetFolderOfPath(helpPath));
}
