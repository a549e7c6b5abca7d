#include "platform/HelpFile.h"

#include "platform/DesktopOpener.h"
#include "platform/Paths.h"

void OpenHelpFile() {
    const std::string helpPath = GetProgramFolder() + "/help/index.htm";
    OpenWithDesktop(helpPath, GetFolderOfPath(helpPath));
}
