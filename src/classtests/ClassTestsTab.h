// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classtests/ClassTestFile.h"
#include "classtests/ClassTestTable.h"
#include "classtests/TestText.h"
#include "platform/FileError.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QPrinter;
class QTableWidget;

// The class's tests: a row per test, and the marking table of the chosen
// one, a row per pupil. The teacher sets and changes tests here, allows a
// pupil one more attempt, prints the table or writes it to PDF or CSV.
class CClassTestsTab : public QWidget {
    Q_OBJECT

public:
    // The marking table's columns.
    enum MarkColumn { kPupil, kMark, kSpeed, kErrors, kDate, kAttempts, kRemarks };

    CClassTestsTab(PupilsFolder pupils, TestTextSources sources, QWidget* parent = nullptr);

    const QTableWidget& Tests() const { return *m_tests; }
    QTableWidget& Marks() { return *m_marks; }

    // Reads the tests again and chooses the one with the id, else the first.
    void Reload(const std::string& chosenId = {});
    // Opens the dialog of a new test, or of the chosen one.
    void SetNewTest();
    void ChangeTest();
    // Asks, then allows the pupil of the marking table's row one more attempt.
    void AllowOneMoreAttempt(int row);
    // Write the chosen test's marking table; false, after telling the
    // teacher, when writing failed.
    bool ExportCsv(const QString& path);
    bool SavePdf(const QString& path);

private:
    const ListedClassTest* Chosen() const;
    void ShowChosen();
    void ShowProblem(const QString& what, const FileError& error);
    void EditTest(const ClassTest& test);
    bool PrintTable(QPrinter& printer) const;
    void Print();
    QString AskPath(const QString& title, const QString& extension, const QString& filter);
    void ChooseCsv();
    void ChoosePdf();

    PupilsFolder m_pupils;
    TestTextSources m_sources;
    std::vector<ListedClassTest> m_listed;
    std::vector<ClassTestRow> m_rows;
    QTableWidget* m_tests;
    QTableWidget* m_marks;
    QLabel* m_problem;
};
