#include "app/TypingApp.h"

#include "chooser/LessonDlg.h"

int CTypingApp::Run() {
    CLessonDlg chooser;
    chooser.Start();
    return 0;
}
