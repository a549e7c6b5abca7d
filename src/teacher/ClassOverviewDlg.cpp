// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ClassOverviewDlg.h"

#include "exercise/LessonMark.h"
#include "lessons/LessonListing.h"
#include "platform/BinaryFile.h"
#include "platform/DialogTemplate.h"
#include "platform/FileError.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/SortedItem.h"
#include "platform/SortedList.h"
#include "pupils/Outbox.h"
#include "teacher/CsvExport.h"
#include "teacher/FrozenFirstColumn.h"
#include "teacher/PupilReportDlg.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kUnreadableRow{255, 225, 225};
// A grade's cell is tinted by the grade, from red for 1 to green for 5, so a
// teacher reads the class at a glance; a lesson only ended early is grey.
const QColor kGradeTints[] = {
    {255, 190, 190}, {255, 220, 180}, {255, 245, 185}, {215, 240, 195}, {180, 225, 180}};
const QColor kEndedEarlyTint{225, 225, 225};
constexpr int kPupilRole = Qt::UserRole + 1;
constexpr int kLessonColumnWidth = 90;

QString DateText(const COleDateTime& date) {
    return date.IsDisplayable() ? ToQString(date.FormatDayMonthYear()) : QStringLiteral("–");
}

double DateKey(const COleDateTime& date) {
    return date.IsDisplayable() ? date.LinearDays() : -1e9;
}

SortedItem* GradeItem(const LessonCell& cell) {
    const QString grade = cell.OnlyEndedEarly() ? QStringLiteral("przerwane")
                          : cell.runs           ? QString::number(cell.bestGrade)
                                                : QStringLiteral("–");
    auto* item = new SortedItem(grade, cell.runs ? cell.bestGrade : -1);
    const LessonMark mark = MarkForBestGrade(cell.bestGrade, cell.OnlyEndedEarly());
    item->setForeground(QColor(mark.red, mark.green, mark.blue));
    item->setTextAlignment(Qt::AlignCenter);
    if (cell.OnlyEndedEarly())
        item->setBackground(kEndedEarlyTint);
    else if (cell.bestGrade >= 1 && cell.bestGrade <= 5)
        item->setBackground(kGradeTints[cell.bestGrade - 1]);
    if (cell.runs)
        item->setToolTip(QStringLiteral("Podejścia: %1%4\nNajlepsza prędkość: %2 znaków na minutę\n"
                                        "Ostatnio: %3")
                             .arg(cell.runs)
                             .arg(QString::fromStdString(FormatDecimalComma(cell.bestSpeed, 1)))
                             .arg(DateText(cell.lastRun))
                             .arg(cell.endedEarly
                                      ? QStringLiteral(" (przerwane: %1)").arg(cell.endedEarly)
                                      : QString()));
    else
        item->setToolTip(QStringLiteral("Jeszcze nie ćwiczona"));
    return item;
}

} // namespace

std::vector<std::string> LessonsInListOrder(const ProgramFolders& folders) {
    std::vector<std::string> titles;
    for (const ListedLesson& lesson : ListLessonFiles(LessonFolders(folders)))
        titles.push_back(lesson.title);
    std::stable_sort(titles.begin(), titles.end(), [](const std::string& a, const std::string& b) {
        return PolishLess(ToQString(a), ToQString(b));
    });
    return titles;
}

CClassOverviewDlg::CClassOverviewDlg(CClassStore& store, std::vector<std::string> lessons,
                                     std::string outbox, QWidget* parent)
    : QDialog(parent), m_lessons(std::move(lessons)), m_outbox(std::move(outbox)), m_class(store),
      m_table(new QTableWidget(this)), m_tabs(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Tastrum: przegląd klasy"));
    auto* hint = new QLabel(QStringLiteral("Ocena najlepszego podejścia do każdej lekcji. Enter "
                                           "albo dwukrotne kliknięcie otwiera raport ucznia; "
                                           "kliknięcie nagłówka sortuje."),
                            this);
    hint->setWordWrap(true);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);

    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setDefaultAlignment(
        Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    m_table->horizontalHeader()->setMinimumHeight(m_table->fontMetrics().height() * 3 + 8);
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { OpenReport(row); });

    auto* buttons = new QDialogButtonBox(this);
    auto* report =
        buttons->addButton(QStringLiteral("&Raport ucznia..."), QDialogButtonBox::ActionRole);
    auto* exportCsv =
        buttons->addButton(QStringLiteral("&Eksport CSV..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("&Zamknij"), QDialogButtonBox::RejectRole);
    connect(report, &QPushButton::clicked, this, [this] { OpenReport(m_table->currentRow()); });
    connect(exportCsv, &QPushButton::clicked, this, &CClassOverviewDlg::ChooseExport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_status);
    m_tabs->addTab(m_table, QStringLiteral("&Klasa"));
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    // As large as a class needs, but never past a small screen.
    resize(QSize(900, 500).boundedTo(RoomForDialog(*this)));
    m_names = new CFrozenFirstColumn(*m_table);
    Fill();
    m_table->setFocus();
}

void CClassOverviewDlg::Fill() {
    const std::vector<PupilRow>& rows = m_class.Refresh(m_lessons);
    QStringList headings{QStringLiteral("Uczeń"), QStringLiteral("Podejścia"),
                         QStringLiteral("Zaliczone"), QStringLiteral("Ostatni wynik")};
    for (const std::string& lesson : m_lessons)
        headings << ToQString(lesson);
    headings << QStringLiteral("Uwagi");
    const int remarks = static_cast<int>(headings.size()) - 1;
    m_table->setSortingEnabled(false);
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(headings.size()));
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PupilRow& row = rows[r];
        const QString name =
            row.folderName.empty() ? ToQString(row.pupil) : QString::fromStdString(row.folderName);
        auto* pupil = new SortedItem(name, name);
        pupil->setData(kPupilRole, QByteArray::fromStdString(row.pupil));
        if (!row.weakKeys.empty())
            pupil->setToolTip(QStringLiteral("Trudne klawisze: ") +
                              QString::fromStdString(row.weakKeys));
        m_table->setItem(r, 0, pupil);
        m_table->setItem(r, 1, new SortedItem(QString::number(row.runs), row.runs));
        m_table->setItem(r, 2,
                         new SortedItem(QString::number(row.lessonsPassed), row.lessonsPassed));
        m_table->setItem(r, 3, new SortedItem(DateText(row.lastRun), DateKey(row.lastRun)));
        m_table->setItem(r, remarks,
                         new SortedItem(QString::fromStdString(row.problem),
                                        QString::fromStdString(row.problem)));
        for (int l = 0; l < static_cast<int>(row.lessons.size()); ++l)
            m_table->setItem(r, kFirstLessonColumn + l, GradeItem(row.lessons[l]));
        if (!row.problem.empty())
            for (int c = 0; c < m_table->columnCount(); ++c)
                m_table->item(r, c)->setBackground(kUnreadableRow);
    }
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::AscendingOrder);
    m_table->resizeColumnsToContents();
    // The names' heading keeps room for its sort mark beside "Uczeń".
    m_table->setColumnWidth(
        0, std::max(m_table->columnWidth(0), m_table->horizontalHeader()->sectionSizeHint(0) +
                                                 2 * m_table->fontMetrics().height()));
    // Lesson titles wrap in their headings, so a column stays as narrow as a grade.
    for (int column = kFirstLessonColumn; column < remarks; ++column) {
        m_table->setColumnWidth(column, kLessonColumnWidth);
        m_table->horizontalHeaderItem(column)->setToolTip(headings[column]);
    }
    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, 0);
    m_names->Follow();
    ShowStatus();
}

// What the table cannot show: a pupils folder that is not available, and
// runs of this computer that still wait to reach it.
void CClassOverviewDlg::ShowStatus() {
    QStringList lines;
    if (const std::optional<FileError>& problem = m_class.FolderProblem())
        lines << QStringLiteral("Folder uczniów jest niedostępny: %1")
                     .arg(QString::fromStdString(problem->what()));
    if (const int waiting = CountOutbox(m_outbox))
        lines << QStringLiteral("Na tym komputerze czekają wyniki do zapisania w folderze "
                                "uczniów: %1. Zostaną zapisane, gdy folder będzie dostępny.")
                     .arg(waiting);
    m_status->setText(lines.join(QLatin1Char('\n')));
    m_status->setVisible(!lines.isEmpty());
    m_status->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0)"));
}

void CClassOverviewDlg::AddTab(QWidget* page, const QString& title) {
    m_tabs->addTab(page, title);
}

void CClassOverviewDlg::OpenReport(int row) {
    const QTableWidgetItem* pupil = m_table->item(row, 0);
    if (!pupil)
        return;
    CPupilReportDlg report(m_class.Folder(), pupil->data(kPupilRole).toByteArray().toStdString(),
                           m_lessons, this);
    report.exec();
}

void CClassOverviewDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OpenReport(m_table->currentRow());
        return;
    }
    QDialog::keyPressEvent(event);
}

void CClassOverviewDlg::ChooseExport() {
    QMenu menu(this);
    QAction* runs = menu.addAction(QStringLiteral("Wszystkie wyniki wszystkich uczniów..."));
    QAction* table = menu.addAction(QStringLiteral("Tabela klasy..."));
    const QAction* chosen = menu.exec(QCursor::pos());
    if (!chosen)
        return;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Eksport CSV"),
                                                      chosen == runs ? QStringLiteral("wyniki.csv")
                                                                     : QStringLiteral("klasa.csv"),
                                                      QStringLiteral("Pliki CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (chosen == runs)
        ExportRuns(path);
    else if (chosen == table)
        ExportTable(path);
}

bool CClassOverviewDlg::ExportRuns(const QString& path) {
    std::vector<std::string> unreadable;
    std::string csv;
    try {
        csv = ClassRunsCsv(m_class.Folder(), unreadable);
    } catch (const FileError& error) {
        ShowMessage(this,
                    QStringLiteral("Nie zapisano pliku: ") + QString::fromStdString(error.what()));
        return false;
    }
    if (!WriteExport(path, csv))
        return false;
    if (!unreadable.empty()) {
        QString list;
        for (const std::string& pupil : unreadable)
            list += QStringLiteral("\n") + QString::fromStdString(pupil);
        ShowMessage(this, QStringLiteral("Wyników tych uczniów nie można pokazać; w pliku mają "
                                         "wiersz z powodem:") +
                              list);
    }
    return true;
}

bool CClassOverviewDlg::ExportTable(const QString& path) {
    return WriteExport(path, ClassTableCsv(m_lessons, m_class.Refresh(m_lessons)));
}

bool CClassOverviewDlg::WriteExport(const QString& path, const std::string& bytes) {
    try {
        WriteUserFile(QStringToPath(path), bytes);
        return true;
    } catch (const FileError& error) {
        ShowMessage(this,
                    QStringLiteral("Nie zapisano pliku: ") + QString::fromStdString(error.what()));
        return false;
    }
}
