// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "teacher/ClassStore.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QTableWidget;
class QTabWidget;
class CFrozenFirstColumn;

// The whole class at a glance: a row per pupil, a column per lesson in the
// lesson list's order with the pupil's best grade in the list's colours.
// Sortable by any column; a row opens the pupil's report; the runs or the
// table go to a CSV file. It only reads the pupils' files.
class CClassOverviewDlg : public QDialog {
    Q_OBJECT

public:
    // The table's column of the first lesson; the ones before it are the
    // pupil, runs, lessons passed and last run, the one after the last
    // lesson the remarks.
    static constexpr int kFirstLessonColumn = 4;

    // The lessons of the lesson list (Windows-1250), in its order. The class
    // store outlives the window, so that opening it again reads only the
    // pupils' files that changed. The outbox holds this computer's runs
    // that wait for the pupils folder.
    CClassOverviewDlg(CClassStore& store, std::vector<std::string> lessons, std::string outbox,
                      QWidget* parent = nullptr);

    const QTableWidget& Table() const { return *m_table; }
    // The table is the tab "Klasa"; a page of the class's tests goes beside it.
    void AddTab(QWidget* page, const QString& title);

    // Opens the report of the pupil in a row of the table as now sorted.
    void OpenReport(int row);
    // Write the CSV files; false, after telling the teacher, when writing failed.
    bool ExportRuns(const QString& path);
    bool ExportTable(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill();
    int RemarksColumn() const;
    void SetHeadings();
    void FillRow(int r, const PupilRow& row);
    void SizeColumns();
    void ShowStatus();
    void ChooseExport();
    bool WriteExport(const QString& path, const std::string& bytes);

    std::vector<std::string> m_lessons;
    std::string m_outbox;
    CClassStore& m_class;
    QTableWidget* m_table;
    CFrozenFirstColumn* m_names;
    QLabel* m_status = nullptr;
    QTabWidget* m_tabs;
};

// The lessons the lesson list shows (Windows-1250), in its order.
std::vector<std::string> LessonsInListOrder(const ProgramFolders& folders);
