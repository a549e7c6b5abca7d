#pragma once

#include "lessons/StringList.h"

#include <QDialog>

#include <string>

class SortedListWidget;

// Asks which pupil is at the keyboard: the pupils' names, sorted, with the
// first one selected; "&Nowy" makes a new pupil and asks again.
class CPupilDlg : public QDialog {
public:
    // The names are Windows-1250.
    explicit CPupilDlg(const StringList& pupilNames, QWidget* parent = nullptr);

    // The name selected when the user pressed OK (Windows-1250); empty when
    // there was none.
    const std::string& SelectedPupil() const { return m_selectedPupil; }

    void accept() override;

private:
    void OnNewPupil();

    StringList m_pupilNames;
    SortedListWidget* m_pupilList;
    std::string m_selectedPupil;
};
