#include "pupils/PupilDlg.h"

#include "platform/DialogTemplate.h"
#include "platform/FileError.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/SortedList.h"
#include "pupils/ChoosePupil.h"
#include "pupils/NewPupil.h"
#include "pupils/QuestionDlg.h"

#include <QPushButton>

namespace {

constexpr int kIdPupilList = 1026;
constexpr int kIdNewPupil = 1033;
// Each item keeps the pupil's name as stored, so no conversion can alter it.
constexpr int kPupilNameRole = Qt::UserRole;

const DialogTemplate kPupilTemplate{
    "Tastrum: wybieranie ucznia",
    197,
    106,
    {
        {kIdOk, ControlKind::DefaultButton, 145, 90, 50, 14, "OK"},
        {kIdCancel, ControlKind::PushButton, 90, 90, 50, 14, "Cancel"},
        {kIdPupilList, ControlKind::ListBox, 7, 21, 183, 40, ""},
        {kNoId, ControlKind::Label, 5, 10, 65, 8, "Wybierz ucznia:"},
        {kIdNewPupil, ControlKind::PushButton, 140, 65, 50, 14, "&Nowy"},
    },
};

} // namespace

CPupilDlg::CPupilDlg(const StringList& pupilNames, QWidget* parent)
    : QDialog(parent), m_pupilNames(pupilNames) {
    const DialogControls controls = BuildDialog(*this, kPupilTemplate);
    m_pupilList = controls.Get<SortedListWidget>(kIdPupilList);
    for (const std::string& name : m_pupilNames) {
        const int row = m_pupilList->AddSorted(ToQString(name));
        m_pupilList->item(row)->setData(kPupilNameRole, QByteArray::fromStdString(name));
    }
    m_pupilList->setFocus();
    m_pupilList->setCurrentRow(0);

    connect(m_pupilList, &QListWidget::itemDoubleClicked, this, &CPupilDlg::accept);
    connect(controls.Get<QPushButton>(kIdNewPupil), &QPushButton::clicked, this,
            &CPupilDlg::OnNewPupil);
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
    try {
        const std::string refusal = AddNewPupil(question.Answer().toStdString());
        if (!refusal.empty())
            ShowMessage(this, QString::fromStdString(refusal));
    } catch (const FileError& error) {
        ShowFileError(this, error);
    }
    // A fresh dialog lists the pupils as they are now; its choice stands.
    reject();
    ChoosePupil();
}
