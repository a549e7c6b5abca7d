#include "lessons/RunLesson.h"

#include "lessons/FolderScan.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"

void RunLesson(std::string path) {
    if (!FileExists(path)) {
        ShowMessage(nullptr, QStringLiteral("file ") + PathToQString(path) +
                                 QStringLiteral(" doesn't exists"));
        return;
    }
}
