#include "pupils/QuestionDlg.h"

#include "platform/DialogTemplate.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kIdAnswer = 1007;
constexpr int kIdPrompt = 1063;

const DialogTemplate kQuestionTemplate{
    "Tastrum: nowy uczeń",
    242,
    63,
    {
        {kIdOk, ControlKind::DefaultButton, 130, 45, 50, 14, "OK"},
        {kIdCancel, ControlKind::PushButton, 185, 45, 50, 14, "Cancel"},
        {kIdAnswer, ControlKind::LineEdit, 5, 25, 230, 14, ""},
        {kIdPrompt, ControlKind::Label, 40, 5, 195, 20, ""},
        {kNoId, ControlKind::ProgramIcon, 5, 2, 20, 20, ""},
    },
};

} // namespace

CQuestionDlg::CQuestionDlg(const QString& prompt, const QString& answer, QWidget* parent)
    : QDialog(parent), m_answer(answer), m_prompt(prompt) {
    const DialogControls controls = BuildDialog(*this, kQuestionTemplate);
    controls.Get<QLabel>(kIdPrompt)->setText(m_prompt);
    m_answerEdit = controls.Get<QLineEdit>(kIdAnswer);
    m_answerEdit->setText(m_answer);
    m_answerEdit->selectAll();
    m_answerEdit->setFocus();
}

void CQuestionDlg::accept() {
    m_answer = m_answerEdit->text();
    QDialog::accept();
}
