// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/QuestionDlg.h"

#include "platform/DialogTemplate.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const DialogTemplate kQuestionTemplate{
    "Question",
    242,
    63,
    {
        {kIdOk, ControlKind::DefaultButton, 130, 45, 50, 14, "OK"},
        {kIdCancel, ControlKind::PushButton, 185, 45, 50, 14, "Cancel"},
        {CQuestionDlg::kIdAnswer, ControlKind::LineEdit, 5, 25, 230, 14, ""},
        {CQuestionDlg::kIdPrompt, ControlKind::Label, 40, 5, 195, 20, ""},
        {kNoId, ControlKind::ProgramIcon, 5, 2, 20, 20, ""},
    },
};

} // namespace

CQuestionDlg::CQuestionDlg(const QString& prompt, const QString& answer, QWidget* parent)
    : QDialog(parent), m_answer(answer), m_prompt(prompt) {
    const DialogControls controls = BuildDialog(*this, kQuestionTemplate);
    controls.Get<QLabel>(CQuestionDlg::kIdPrompt)->setText(m_prompt);
    m_answerEdit = controls.Get<QLineEdit>(CQuestionDlg::kIdAnswer);
    m_answerEdit->setText(m_answer);
    m_answerEdit->selectAll();
    m_answerEdit->setFocus();
}

void CQuestionDlg::accept() {
    m_answer = m_answerEdit->text();
    QDialog::accept();
}
