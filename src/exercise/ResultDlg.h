// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

// A headline with a text below it: the lesson's introduction before a run,
// the verdict and the run's figures after it. exec() is Accepted for OK.
// After a run it may also say, below its own controls, what to aim at next,
// and offer the next lesson beside its buttons and a practice below them.
class CResultDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kIdDetails = 1019;
    static constexpr int kIdHeadline = 1020;

    // Help shows the program folder's help.
    explicit CResultDlg(std::string programFolder, QWidget* parent = nullptr);

    // Both texts are Windows-1250; the headline is also the window's title.
    void SetTexts(const std::string& details, const std::string& headline);

    // Shows a line (UTF-8) under the window's own controls.
    void SetNextStep(const std::string& text);
    const QLabel& NextStep() const { return *m_nextStep; }

    // Offers "Następna lekcja", which closes the window as OK does.
    void OfferNextLesson();
    bool NextLessonAsked() const { return m_nextLessonAsked; }
    QPushButton& NextLessonButton() const { return *m_nextLesson; }

    // Offers a practice of weak keys under everything else, with the label
    // given (UTF-8); it closes the window as OK does.
    void OfferPractice(const std::string& label);
    bool PracticeAsked() const { return m_practiceAsked; }
    QPushButton* PracticeButton() const { return m_practice; }

private:
    QLabel* m_details;
    QLabel* m_headline;
    QLabel* m_nextStep;
    QPushButton* m_nextLesson;
    bool m_nextLessonAsked = false;
    QPushButton* m_practice = nullptr;
    bool m_practiceAsked = false;
};
