// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTest.h"
#include "classtests/TestText.h"
#include "platform/ProgramFolders.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// Sets a new test for the class, or changes one: its name, its text (taken
// from a lesson or pasted, checked as a lesson is), time limit, open days,
// attempts, aids and marks. Changing a test rewrites only its
// sprawdzian.txt: the results stay.
class CClassTestDlg : public QDialog {
    Q_OBJECT

public:
    // A test without an id is a new one.
    CClassTestDlg(PupilsFolder pupils, TestTextSources sources, const ClassTest& test,
                  QWidget* parent = nullptr);

    // The test as saved, with its id.
    const ClassTest& Test() const { return m_test; }

    QLineEdit& Name() { return *m_name; }
    QComboBox& Lesson() { return *m_lesson; }
    QPlainTextEdit& Text() { return *m_text; }
    QComboBox& TimeLimit() { return *m_time; }
    QDateEdit& OpenFrom() { return *m_from; }
    QDateEdit& OpenTo() { return *m_to; }
    QSpinBox& Attempts() { return *m_attempts; }
    QCheckBox& Aids() { return *m_aids; }
    QRadioButton& OwnMarksChoice() { return *m_ownMarks; }
    QTableWidget& Limits() { return *m_limits; }

    // Checks and saves the test; false, after telling the teacher why, when
    // it is not saved.
    bool Save();

private:
    QWidget* MakeMarks(const ClassTest& test);
    void TakeLessonText(int index);
    std::optional<ClassTest> Gathered();
    bool TextIsSound(const std::vector<std::string>& lines);

    PupilsFolder m_pupils;
    TestTextSources m_sources;
    ClassTest m_test;
    QLineEdit* m_name;
    QComboBox* m_lesson;
    QPlainTextEdit* m_text;
    QComboBox* m_time;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QSpinBox* m_attempts;
    QCheckBox* m_aids;
    QRadioButton* m_ownMarks = nullptr;
    QTableWidget* m_limits = nullptr;
};
