// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/StringList.h"

#include <QDialog>

#include <string>

class SortedListWidget;

// Asks which pupil is at the keyboard: the pupils' names, sorted, with the
// first one selected. "&Nowy" asks for a new pupil's name and, when one is
// given, closes the dialog so that the caller can make the pupil and ask
// again.
class CPupilDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kIdPupilList = 1026;
    static constexpr int kIdNewPupil = 1033;

    // The names are Windows-1250.
    explicit CPupilDlg(const StringList& pupilNames, QWidget* parent = nullptr);

    // The name selected when the user pressed OK (Windows-1250); empty when
    // there was none.
    const std::string& SelectedPupil() const { return m_selectedPupil; }

    // True when the dialog closed because a new pupil's name was given.
    bool AskedForNewPupil() const { return m_askedForNewPupil; }
    const QString& NewPupilName() const { return m_newPupilName; }

    // Selects the pupil of that name in any letter case, when listed.
    void SelectPupil(const std::string& name);

    void accept() override;

private:
    void OnNewPupil();

    StringList m_pupilNames;
    SortedListWidget* m_pupilList;
    std::string m_selectedPupil;
    bool m_askedForNewPupil = false;
    QString m_newPupilName;
};
