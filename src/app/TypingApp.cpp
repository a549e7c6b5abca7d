#include "app/TypingApp.h"

#include "app/RunLesson.h"
#include "chooser/LessonDlg.h"

int CTypingApp::Run() {
    CLessonDlg chooser;
    chooser.SetLessonRunner(&RunLesson);
    chooser.Start();
    return 0;
}
