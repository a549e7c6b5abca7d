// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/ChoosePupil.h"

#include "platform/FileError.h"
#include "platform/MessageBox.h"
#include "pupils/NewPupil.h"
#include "pupils/PupilDlg.h"
#include "pupils/PupilRegistry.h"

namespace {

// Makes the pupil asked for with "&Nowy" and returns their name, to be
// selected in the list shown again; a refusal or a failure is told.
std::string AddAskedPupil(const PupilsFolder& pupils, const QString& typedName) {
    std::string pupil;
    try {
        const std::string refusal = AddNewPupil(pupils, typedName.toStdString(), &pupil);
        if (refusal.empty())
            return pupil;
        ShowMessage(nullptr, QString::fromStdString(refusal));
    } catch (const FileError& error) {
        ShowFileError(nullptr, error);
    }
    return {};
}

// Cancel with no pupil chosen before takes the first pupil of the newest
// listing that has one, so the runs are stored under some pupil.
std::string FallbackPupil(const std::vector<StringList>& listings) {
    for (auto listing = listings.rbegin(); listing != listings.rend(); ++listing)
        if (!listing->empty())
            return listing->front();
    return {};
}

} // namespace

int ChoosePupil(const PupilsFolder& pupils, std::string& pupil) {
    std::vector<StringList> listings;
    // "&Nowy" ends a dialog as Cancel does; the first dialog's answer is
    // the one returned.
    int firstResult = -1;
    std::string newPupil;
    for (;;) {
        StringList& names = listings.emplace_back();
        ListPupils(pupils, names);
        CPupilDlg dialog(names);
        // The pupil just made is the one at the keyboard.
        if (!newPupil.empty())
            dialog.SelectPupil(newPupil);
        const int result = dialog.exec();
        if (firstResult < 0)
            firstResult = dialog.AskedForNewPupil() ? QDialog::Rejected : result;
        if (dialog.AskedForNewPupil()) {
            newPupil = AddAskedPupil(pupils, dialog.NewPupilName());
            continue;
        }
        if (result == QDialog::Accepted)
            pupil = dialog.SelectedPupil();
        else if (pupil.empty())
            pupil = FallbackPupil(listings);
        return firstResult;
    }
}
