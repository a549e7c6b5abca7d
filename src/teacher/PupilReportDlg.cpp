// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/PupilReportDlg.h"

#include "platform/DialogTemplate.h"
#include "platform/FileError.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "pupils/PupilStatFile.h"
#include "teacher/KeyMeasurements.h"
#include "teacher/PupilReportPage.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Paints the report onto the printer's paper, a page a sheet, as wide as
// the paper allows.
bool PrintReport(const CPupilReportPage& report, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect paper = printer.pageLayout().paintRectPixels(printer.resolution());
    const int width = std::min(paper.width(), paper.height() * CPupilReportPage::kWidth /
                                                  CPupilReportPage::kHeight);
    for (int page = 0; page < report.PageCount(); ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        report.Paint(painter, page, width);
    }
    return painter.end();
}

} // namespace

CPupilReportDlg::CPupilReportDlg(const PupilsFolder& pupils, const std::string& pupil,
                                 const std::vector<std::string>& lessons, QWidget* parent)
    : QDialog(parent), m_pupil(pupil) {
    setWindowTitle(QStringLiteral("Tastrum: raport ucznia ") + ToQString(pupil));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QDialogButtonBox(this);
    try {
        CPupilStats stats;
        LoadPupilStats(pupils, pupil, stats);
        PupilReport report = MakePupilReport(pupil, stats, lessons);
        const KeyMeasurements measured = ReadKeyMeasurements(pupils, pupil);
        report.weakKeys = measured.weakKeys;
        report.recentErrors = measured.recentErrors;
        m_page = new CPupilReportPage(std::move(report));
        auto* scroll = new QScrollArea(this);
        scroll->setWidget(m_page);
        layout->addWidget(scroll, 1);
        auto* print =
            buttons->addButton(QStringLiteral("&Drukuj..."), QDialogButtonBox::ActionRole);
        auto* pdf =
            buttons->addButton(QStringLiteral("Zapisz &PDF..."), QDialogButtonBox::ActionRole);
        connect(print, &QPushButton::clicked, this, &CPupilReportDlg::Print);
        connect(pdf, &QPushButton::clicked, this, &CPupilReportDlg::ChoosePdf);
        // A page's width and most of its height, but never past a small screen.
        resize(QSize(CPupilReportPage::kWidth + 40, 700).boundedTo(RoomForDialog(*this)));
    } catch (const FileError& error) {
        auto* problem = new QLabel(QStringLiteral("Nie można odczytać wyników ucznia:\n") +
                                       QString::fromStdString(error.what()),
                                   this);
        problem->setWordWrap(true);
        layout->addWidget(problem, 1);
    }
    buttons->addButton(QStringLiteral("&Zamknij"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CPupilReportDlg::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && !PrintReport(*m_page, printer))
        ShowMessage(this, QStringLiteral("Nie udało się wydrukować raportu."));
}

void CPupilReportDlg::ChoosePdf() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Zapisz raport jako PDF"), ToQString(m_pupil) + QStringLiteral(".pdf"),
        QStringLiteral("Pliki PDF (*.pdf)"));
    if (!path.isEmpty())
        SavePdf(path);
}

bool CPupilReportDlg::SavePdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(windowTitle());
    if (m_page && PrintReport(*m_page, printer))
        return true;
    ShowMessage(this, QStringLiteral("Nie udało się zapisać pliku ") + path);
    return false;
}
