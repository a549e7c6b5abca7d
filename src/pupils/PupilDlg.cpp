// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilDlg.h"

#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"
#include "platform/QtText.h"
#include "platform/SortedList.h"
#include "pupils/QuestionDlg.h"

#include <QPushButton>

namespace {

// Each item keeps the pupil's name as stored, so no conversion can alter it.
constexpr int kPupilNameRole = Qt::UserRole;

const DialogTemplate kPupilTemplate{
    "Tastrum: wybieranie ucznia",
    197,
    106,
    {
        {kIdOk, ControlKind::DefaultButton, 145, 90, 50, 14, "OK"},
        {kIdCancel, ControlKind::PushButton, 90, 90, 50, 14, "Cancel"},
        {CPupilDlg::kIdPupilList, ControlKind::ListBox, 7, 21, 183, 40, ""},
        {kNoId, ControlKind::Label, 5, 10, 65, 8, "Wybierz ucznia:"},
        {CPupilDlg::kIdNewPupil, ControlKind::PushButton, 140, 65, 50, 14, "&Nowy"},
    },
};

} // namespace

CPupilDlg::CPupilDlg(const StringList& pupilNames, QWidget* parent)
    : QDialog(parent), m_pupilNames(pupilNames) {
    const DialogControls controls = BuildDialog(*this, kPupilTemplate);
    m_pupilList = controls.Get<SortedListWidget>(CPupilDlg::kIdPupilList);
    for (const std::string& name : m_pupilNames) {
        const int row = m_pupilList->AddSorted(ToQString(name));
        m_pupilList->item(row)->setData(kPupilNameRole, QByteArray::fromStdString(name));
    }
    m_pupilList->setFocus();
    m_pupilList->setCurrentRow(0);

    connect(controls.Get<QPushButton>(CPupilDlg::kIdNewPupil), &QPushButton::clicked, this,
            &CPupilDlg::OnNewPupil);
}

void CPupilDlg::SelectPupil(const std::string& name) {
    for (int row = 0; row < m_pupilList->count(); ++row) {
        const QByteArray stored = m_pupilList->item(row)->data(kPupilNameRole).toByteArray();
        if (EqualsIgnoringCase(stored.toStdString(), name)) {
            m_pupilList->setCurrentRow(row);
            return;
        }
    }
}

void CPupilDlg::accept() {
    const QList<QListWidgetItem*> selected = m_pupilList->selectedItems();
    m_selectedPupil = selected.isEmpty()
                          ? std::string{}
                          : selected.front()->data(kPupilNameRole).toByteArray().toStdString();
    QDialog::accept();
}

void CPupilDlg::OnNewPupil() {
    CQuestionDlg question(QStringLiteral("Podaj imię nowego ucznia:"), {}, this);
    if (question.exec() != QDialog::Accepted)
        return;
    m_askedForNewPupil = true;
    m_newPupilName = question.Answer();
    reject();
}
