#include "pupils/ChoosePupil.h"

#include "pupils/PupilDlg.h"
#include "pupils/PupilRegistry.h"

int ChoosePupil() {
    StringList names;
    ListPupils(names);
    CPupilDlg dialog(names);
    const int result = dialog.exec();
    if (result == QDialog::Accepted)
        g_currentPupil = dialog.SelectedPupil();
    else if (g_currentPupil.empty() && !names.empty())
        g_currentPupil = names.front();
    return result;
}
