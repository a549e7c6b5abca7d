// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <QDialog>

#include <string>
#include <vector>

class CPupilReportPage;

// A pupil's report on screen, to print or to save as a PDF file. A file that
// cannot be read shows as a message instead of the page.
class CPupilReportDlg : public QDialog {
    Q_OBJECT

public:
    // pupil and lessons are Windows-1250; lessons in the lesson list's order.
    CPupilReportDlg(const PupilsFolder& pupils, const std::string& pupil,
                    const std::vector<std::string>& lessons, QWidget* parent = nullptr);

    // Writes the page as a PDF file; false, after telling the teacher, when
    // it could not be written.
    bool SavePdf(const QString& path);
    const CPupilReportPage* Page() const { return m_page; }

private:
    void Print();
    void ChoosePdf();

    std::string m_pupil;
    CPupilReportPage* m_page = nullptr;
};
