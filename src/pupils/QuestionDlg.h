// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// Asks for one line of text under a short prompt.
class CQuestionDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kIdAnswer = 1007;
    static constexpr int kIdPrompt = 1063;

    explicit CQuestionDlg(const QString& prompt, const QString& answer = {},
                          QWidget* parent = nullptr);

    // The text as it stood when the user pressed OK.
    const QString& Answer() const { return m_answer; }

    void accept() override;

private:
    QString m_answer;
    QString m_prompt;
    QLineEdit* m_answerEdit;
};
