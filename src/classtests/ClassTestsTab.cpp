// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTestsTab.h"

#include "classtests/Attempts.h"
#include "classtests/ClassTestCsv.h"
#include "classtests/ClassTestDlg.h"
#include "classtests/TestResult.h"
#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/SortedItem.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include <set>

namespace {

const QColor kUnreadableRow{255, 225, 225};
const QColor kMissingRow{255, 245, 200};
constexpr int kIdRole = Qt::UserRole + 1;
constexpr int kRowRole = Qt::UserRole + 2;

QString TimeLimitLabel(int seconds) {
    return seconds == kNoTimeLimit ? QStringLiteral("do końca tekstu")
                                   : QStringLiteral("%1 min").arg(seconds / 60.0);
}

QString DayText(std::chrono::sys_days day) {
    return QString::fromStdString(FormatDay(day));
}

int PupilsWithResults(const PupilsFolder& pupils, const std::string& testId) {
    std::set<std::string> pupilsSeen;
    for (const TestResult& result : ReadTestResults(pupils, testId).results)
        pupilsSeen.insert(result.pupil);
    return static_cast<int>(pupilsSeen.size());
}

QString PupilName(const ClassTestRow& row) {
    return row.folderName.empty() ? ToQString(row.pupil) : QString::fromStdString(row.folderName);
}

QString Decimal(double value) {
    return QString::fromStdString(FormatDecimalComma(value, 1));
}

// "2026-12-07 10:30".
QString DateTimeText(const COleDateTime& date) {
    return QString::fromStdString(date.FormatIso8601())
        .replace(QLatin1Char('T'), QLatin1Char(' '))
        .left(16);
}

QTableWidget* MakeTable(QWidget* parent, const QStringList& headings) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // Sorted by the first column until the teacher clicks another heading.
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    return table;
}

QPushButton* AddButton(QVBoxLayout& column, const QString& text) {
    auto* button = new QPushButton(text);
    column.addWidget(button);
    return button;
}

// The marking table on paper: the test, then a row per pupil.
QString MarkingSheetHtml(const ClassTest& test, const std::vector<ClassTestRow>& rows) {
    QString html =
        QStringLiteral("<h2>Sprawdzian: %1</h2><p>Otwarty od %2 do %3, czas: %4, "
                       "podejścia: %5</p><table border=1 cellspacing=0 cellpadding=3>"
                       "<tr><th>Uczeń</th><th>Ocena</th><th>Prędkość</th>"
                       "<th>Błędy %</th><th>Data</th><th>Podejścia</th><th>Uwagi</th>"
                       "</tr>")
            .arg(QString::fromStdString(test.name).toHtmlEscaped(), DayText(test.openFrom),
                 DayText(test.openTo), TimeLimitLabel(test.timeLimitSeconds))
            .arg(test.attemptsAllowed);
    for (const ClassTestRow& row : rows) {
        QStringList cells{PupilName(row)};
        if (row.best)
            cells << QString::number(row.best->mark) << Decimal(row.best->charsPerMinute)
                  << Decimal(row.best->errorPercent) << DateTimeText(row.best->date);
        else
            cells << QString() << QString() << QString() << QString();
        cells << QStringLiteral("%1/%2").arg(row.attemptsUsed).arg(row.attemptsAllowed)
              << QString::fromStdString(RowRemarks(row));
        html += QStringLiteral("<tr>");
        for (const QString& cell : cells)
            html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

CClassTestsTab::CClassTestsTab(PupilsFolder pupils, TestTextSources sources, QWidget* parent)
    : QWidget(parent), m_pupils(std::move(pupils)), m_sources(std::move(sources)),
      m_tests(MakeTable(this, {QStringLiteral("Sprawdzian"), QStringLiteral("Od"),
                               QStringLiteral("Do"), QStringLiteral("Czas"),
                               QStringLiteral("Napisało"), QStringLiteral("Uwagi")})),
      m_marks(MakeTable(this, {QStringLiteral("Uczeń"), QStringLiteral("Ocena"),
                               QStringLiteral("Prędkość"), QStringLiteral("Błędy %"),
                               QStringLiteral("Data i godzina"), QStringLiteral("Podejścia"),
                               QStringLiteral("Uwagi")})),
      m_problem(new QLabel(this)) {
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0)"));
    m_problem->hide();
    auto* testButtons = new QVBoxLayout;
    connect(AddButton(*testButtons, QStringLiteral("&Nowy sprawdzian...")), &QPushButton::clicked,
            this, &CClassTestsTab::SetNewTest);
    connect(AddButton(*testButtons, QStringLiteral("Z&mień...")), &QPushButton::clicked, this,
            &CClassTestsTab::ChangeTest);
    testButtons->addStretch();
    auto* markButtons = new QVBoxLayout;
    connect(AddButton(*markButtons, QStringLiteral("&Jeszcze jedno podejście")),
            &QPushButton::clicked, this, [this] { AllowOneMoreAttempt(m_marks->currentRow()); });
    connect(AddButton(*markButtons, QStringLiteral("&Drukuj...")), &QPushButton::clicked, this,
            &CClassTestsTab::Print);
    connect(AddButton(*markButtons, QStringLiteral("Zapisz &PDF...")), &QPushButton::clicked, this,
            &CClassTestsTab::ChoosePdf);
    connect(AddButton(*markButtons, QStringLiteral("Eksport &CSV...")), &QPushButton::clicked, this,
            &CClassTestsTab::ChooseCsv);
    markButtons->addStretch();
    // Both columns of buttons as wide as the widest label needs, so that
    // none is cut and they stand in one line.
    std::vector<QWidget*> buttons;
    for (const QLayout* column :
         {static_cast<QLayout*>(testButtons), static_cast<QLayout*>(markButtons)})
        for (int i = 0; i < column->count(); ++i)
            if (QWidget* button = column->itemAt(i)->widget())
                buttons.push_back(button);
    int widest = 0;
    for (const QWidget* button : buttons)
        widest = std::max(widest, button->sizeHint().width() +
                                      2 * button->fontMetrics().averageCharWidth());
    for (QWidget* button : buttons)
        button->setMinimumWidth(widest);
    connect(m_tests, &QTableWidget::currentCellChanged, this, [this] { ShowChosen(); });

    auto* testsRow = new QHBoxLayout;
    testsRow->addWidget(m_tests, 1);
    testsRow->addLayout(testButtons);
    auto* marksRow = new QHBoxLayout;
    marksRow->addWidget(m_marks, 1);
    marksRow->addLayout(markButtons);
    // On a small screen the tab scrolls rather than crowd its tables.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(m_problem);
    layout->addLayout(testsRow, 1);
    layout->addLayout(marksRow, 2);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    Reload();
}

// Reading the class folder may fail on a share: the tab says so in place.
void CClassTestsTab::ShowProblem(const QString& what, const FileError& error) {
    m_problem->setText(what + QString::fromStdString(error.what()));
    m_problem->show();
}

void CClassTestsTab::Reload(const std::string& chosenId) {
    m_problem->hide();
    try {
        m_listed = ListClassTests(m_pupils);
    } catch (const FileError& error) {
        m_listed.clear();
        ShowProblem(QStringLiteral("Nie można odczytać sprawdzianów: "), error);
    }
    // The marking table follows the chosen test once the list is whole.
    const QSignalBlocker quiet(m_tests);
    m_tests->setSortingEnabled(false);
    m_tests->setRowCount(static_cast<int>(m_listed.size()));
    int chosenRow = 0;
    for (int r = 0; r < static_cast<int>(m_listed.size()); ++r) {
        const ListedClassTest& listed = m_listed[r];
        const ClassTest& test = listed.test;
        const bool readable = listed.problem.empty();
        const QString name = QString::fromStdString(readable ? test.name : listed.id);
        auto* nameItem = new SortedItem(name, name);
        nameItem->setData(kIdRole, QString::fromStdString(listed.id));
        nameItem->setData(kRowRole, r);
        m_tests->setItem(r, 0, nameItem);
        const QString from = readable ? DayText(test.openFrom) : QString();
        const QString to = readable ? DayText(test.openTo) : QString();
        m_tests->setItem(r, 1, new SortedItem(from, from));
        m_tests->setItem(r, 2, new SortedItem(to, to));
        m_tests->setItem(
            r, 3,
            new SortedItem(readable ? TimeLimitLabel(test.timeLimitSeconds) : QString(),
                           test.timeLimitSeconds));
        int took = 0;
        QString problem = QString::fromStdString(listed.problem);
        try {
            took = readable ? PupilsWithResults(m_pupils, listed.id) : 0;
        } catch (const FileError& error) {
            problem = QString::fromStdString(error.what());
        }
        m_tests->setItem(r, 4, new SortedItem(QString::number(took), took));
        m_tests->setItem(r, 5, new SortedItem(problem, problem));
        if (!problem.isEmpty())
            for (int c = 0; c < m_tests->columnCount(); ++c)
                m_tests->item(r, c)->setBackground(kUnreadableRow);
        if (listed.id == chosenId)
            chosenRow = r;
    }
    m_tests->setSortingEnabled(true);
    m_tests->resizeColumnsToContents();
    for (int row = 0; row < m_tests->rowCount(); ++row)
        if (m_tests->item(row, 0)->data(kRowRole).toInt() == chosenRow)
            m_tests->setCurrentCell(row, 0);
    ShowChosen();
}

const ListedClassTest* CClassTestsTab::Chosen() const {
    const QTableWidgetItem* item = m_tests->item(m_tests->currentRow(), 0);
    if (!item)
        return nullptr;
    return &m_listed[item->data(kRowRole).toInt()];
}

void CClassTestsTab::ShowChosen() {
    const ListedClassTest* chosen = Chosen();
    m_rows.clear();
    if (chosen && chosen->problem.empty()) {
        try {
            m_rows = MakeClassTestTable(m_pupils, chosen->test);
        } catch (const FileError& error) {
            ShowProblem(QStringLiteral("Nie można odczytać wyników: "), error);
        }
    }
    m_marks->setSortingEnabled(false);
    m_marks->setRowCount(static_cast<int>(m_rows.size()));
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        const ClassTestRow& row = m_rows[r];
        const QString name = PupilName(row);
        auto* pupil = new SortedItem(name, name);
        pupil->setData(kRowRole, r);
        m_marks->setItem(r, kPupil, pupil);
        const TestResult* best = row.best ? &*row.best : nullptr;
        m_marks->setItem(
            r, kMark,
            new SortedItem(best ? QString::number(best->mark) : QString(), best ? best->mark : -1));
        m_marks->setItem(r, kSpeed,
                         new SortedItem(best ? Decimal(best->charsPerMinute) : QString(),
                                        best ? best->charsPerMinute : -1.0));
        m_marks->setItem(r, kErrors,
                         new SortedItem(best ? Decimal(best->errorPercent) : QString(),
                                        best ? best->errorPercent : 1e9));
        m_marks->setItem(r, kDate,
                         new SortedItem(best ? DateTimeText(best->date) : QString(),
                                        best ? best->date.LinearDays() : -1e9));
        m_marks->setItem(
            r, kAttempts,
            new SortedItem(QStringLiteral("%1/%2").arg(row.attemptsUsed).arg(row.attemptsAllowed),
                           row.attemptsUsed));
        const QString remarks = QString::fromStdString(RowRemarks(row));
        m_marks->setItem(r, kRemarks, new SortedItem(remarks, remarks));
        const bool unreadable = !row.problem.empty();
        if (unreadable || !best)
            for (int c = 0; c < m_marks->columnCount(); ++c)
                m_marks->item(r, c)->setBackground(unreadable ? kUnreadableRow : kMissingRow);
    }
    m_marks->setSortingEnabled(true);
    m_marks->resizeColumnsToContents();
    if (m_marks->rowCount() > 0)
        m_marks->setCurrentCell(0, 0);
}

void CClassTestsTab::SetNewTest() {
    EditTest(ClassTest{});
}

void CClassTestsTab::ChangeTest() {
    const ListedClassTest* chosen = Chosen();
    if (!chosen || !chosen->problem.empty()) {
        ShowMessage(this, QStringLiteral("Wybierz sprawdzian, który można odczytać."));
        return;
    }
    EditTest(chosen->test);
}

void CClassTestsTab::EditTest(const ClassTest& test) {
    CClassTestDlg dialog(m_pupils, m_sources, test, this);
    if (dialog.exec() == QDialog::Accepted)
        Reload(dialog.Test().id);
}

void CClassTestsTab::AllowOneMoreAttempt(int row) {
    const ListedClassTest* chosen = Chosen();
    const QTableWidgetItem* item = m_marks->item(row, kPupil);
    if (!chosen || !item)
        return;
    const ClassTestRow& pupil = m_rows[item->data(kRowRole).toInt()];
    if (!AskYesNo(this, QStringLiteral("Pozwolić uczniowi %1 na jeszcze jedno podejście do "
                                       "sprawdzianu „%2”?")
                            .arg(PupilName(pupil), QString::fromStdString(chosen->test.name))))
        return;
    const std::string testId = chosen->id;
    const QString name = item->text(); // the rows are made anew below
    try {
        AllowExtraAttempt(m_pupils, testId, pupil.pupil);
    } catch (const FileError& error) {
        ShowMessage(this, QStringLiteral("Nie zapisano: ") + QString::fromStdString(error.what()));
    }
    Reload(testId);
    // The teacher goes on where they were.
    for (int r = 0; r < m_marks->rowCount(); ++r)
        if (m_marks->item(r, kPupil)->text() == name)
            m_marks->setCurrentCell(r, kPupil);
}

bool CClassTestsTab::PrintTable(QPrinter& printer) const {
    const ListedClassTest* chosen = Chosen();
    if (!chosen)
        return false;
    QTextDocument sheet;
    sheet.setHtml(MarkingSheetHtml(chosen->test, m_rows));
    sheet.print(&printer);
    return true;
}

void CClassTestsTab::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && !PrintTable(printer))
        ShowMessage(this, QStringLiteral("Nie udało się wydrukować tabeli."));
}

bool CClassTestsTab::SavePdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (PrintTable(printer) && QFileInfo(path).size() > 0)
        return true;
    ShowMessage(this, QStringLiteral("Nie udało się zapisać pliku ") + path);
    return false;
}

bool CClassTestsTab::ExportCsv(const QString& path) {
    if (!Chosen())
        return false;
    try {
        WriteUserFile(QStringToPath(path), ClassTestCsv(m_rows));
        return true;
    } catch (const FileError& error) {
        ShowMessage(this,
                    QStringLiteral("Nie zapisano pliku: ") + QString::fromStdString(error.what()));
        return false;
    }
}

// The file the teacher names for the chosen test's table; empty when none.
QString CClassTestsTab::AskPath(const QString& title, const QString& extension,
                                const QString& filter) {
    const ListedClassTest* chosen = Chosen();
    if (!chosen)
        return {};
    return QFileDialog::getSaveFileName(this, title, QString::fromStdString(chosen->id) + extension,
                                        filter);
}

void CClassTestsTab::ChoosePdf() {
    const QString path = AskPath(QStringLiteral("Zapisz tabelę jako PDF"), QStringLiteral(".pdf"),
                                 QStringLiteral("Pliki PDF (*.pdf)"));
    if (!path.isEmpty())
        SavePdf(path);
}

void CClassTestsTab::ChooseCsv() {
    const QString path = AskPath(QStringLiteral("Eksport CSV"), QStringLiteral(".csv"),
                                 QStringLiteral("Pliki CSV (*.csv)"));
    if (!path.isEmpty())
        ExportCsv(path);
}
