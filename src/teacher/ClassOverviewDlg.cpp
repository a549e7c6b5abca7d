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

QString GradeText(const LessonCell& cell) {
    return cell.OnlyEndedEarly() ? QStringLiteral("przerwane")
           : cell.runs           ? QString::number(cell.bestGrade)
                                 : QStringLiteral("–");
}

QString CellTip(const LessonCell& cell) {
    if (!cell.runs)
        return QStringLiteral("Jeszcze nie ćwiczona");
    return QStringLiteral("Podejścia: %1%4\nNajlepsza prędkość: %2 znaków na minutę\n"
                          "Ostatnio: %3")
        .arg(cell.runs)
        .arg(QString::fromStdString(FormatDecimalComma(cell.bestSpeed, 1)))
        .arg(DateText(cell.lastRun))
        .arg(cell.endedEarly ? QStringLiteral(" (przerwane: %1)").arg(cell.endedEarly) : QString());
}

// A lesson's cell: the best grade in the lesson list's colours on the
// grade's tint. Its tooltip is written only when the teacher points at it,
// not for every cell of the class.
class GradeItem : public SortedItem {
public:
    explicit GradeItem(const LessonCell& cell)
        : SortedItem(GradeText(cell), cell.runs ? cell.bestGrade : -1), m_cell(cell) {
        const LessonMark mark = MarkForBestGrade(cell.bestGrade, cell.OnlyEndedEarly());
        setForeground(QColor(mark.red, mark.green, mark.blue));
        setTextAlignment(Qt::AlignCenter);
        if (cell.OnlyEndedEarly())
            setBackground(kEndedEarlyTint);
        else if (cell.bestGrade >= 1 && cell.bestGrade <= 5)
            setBackground(kGradeTints[cell.bestGrade - 1]);
    }

    QVariant data(int role) const override {
        return role == Qt::ToolTipRole ? CellTip(m_cell) : SortedItem::data(role);
    }

private:
    LessonCell m_cell;
};

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
    QPalette warning = m_status->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_status->setPalette(warning);

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
    // The table is filled in one pass: unsorted and unpainted until it is whole.
    m_table->setUpdatesEnabled(false);
    m_table->setSortingEnabled(false);
    m_table->clear();
    SetHeadings();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        FillRow(r, rows[r]);
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    SizeColumns();
    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, 0);
    m_names->Follow();
    m_table->setUpdatesEnabled(true);
    ShowStatus();
}

int CClassOverviewDlg::RemarksColumn() const {
    return kFirstLessonColumn + static_cast<int>(m_lessons.size());
}

void CClassOverviewDlg::SetHeadings() {
    m_table->setColumnCount(RemarksColumn() + 1);
    const QString fixed[] = {QStringLiteral("Uczeń"), QStringLiteral("Podejścia"),
                             QStringLiteral("Zaliczone"), QStringLiteral("Ostatni wynik")};
    for (int column = 0; column < kFirstLessonColumn; ++column)
        m_table->setHorizontalHeaderItem(column, new QTableWidgetItem(fixed[column]));
    // Lesson titles wrap in narrow headings; the whole title is their tooltip.
    for (int l = 0; l < static_cast<int>(m_lessons.size()); ++l) {
        auto* heading = new QTableWidgetItem(ToQString(m_lessons[l]));
        heading->setToolTip(heading->text());
        m_table->setHorizontalHeaderItem(kFirstLessonColumn + l, heading);
    }
    m_table->setHorizontalHeaderItem(RemarksColumn(),
                                     new QTableWidgetItem(QStringLiteral("Uwagi")));
}

void CClassOverviewDlg::FillRow(int r, const PupilRow& row) {
    const QString name =
        row.folderName.empty() ? ToQString(row.pupil) : QString::fromStdString(row.folderName);
    auto* pupil = new SortedItem(name, name);
    pupil->setData(kPupilRole, QByteArray::fromStdString(row.pupil));
    if (!row.weakKeys.empty())
        pupil->setToolTip(QStringLiteral("Trudne klawisze: ") +
                          QString::fromStdString(row.weakKeys));
    std::vector<QTableWidgetItem*> items{
        pupil, new SortedItem(QString::number(row.runs), row.runs),
        new SortedItem(QString::number(row.lessonsPassed), row.lessonsPassed),
        new SortedItem(DateText(row.lastRun), DateKey(row.lastRun))};
    for (const LessonCell& cell : row.lessons)
        items.push_back(new GradeItem(cell));
    const QString problem = QString::fromStdString(row.problem);
    items.push_back(new SortedItem(problem, problem));
    // An item is made whole before it joins the table, which then tells its
    // views of it once.
    for (int column = 0; column < static_cast<int>(items.size()); ++column) {
        if (!row.problem.empty())
            items[column]->setBackground(kUnreadableRow);
        m_table->setItem(r, column, items[column]);
    }
}

void CClassOverviewDlg::SizeColumns() {
    for (int column = 0; column < kFirstLessonColumn; ++column)
        m_table->resizeColumnToContents(column);
    m_table->resizeColumnToContents(RemarksColumn());
    // The names' heading keeps room for its sort mark beside "Uczeń".
    m_table->setColumnWidth(
        0, std::max(m_table->columnWidth(0), m_table->horizontalHeader()->sectionSizeHint(0) +
                                                 2 * m_table->fontMetrics().height()));
    // Lesson titles wrap in their headings, so a column stays as narrow as a grade.
    for (int column = kFirstLessonColumn; column < RemarksColumn(); ++column)
        m_table->setColumnWidth(column, kLessonColumnWidth);
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

// Enter opens the report of the class table's pupil, and does nothing on
// another tab, where that pupil is not in sight.
void CClassOverviewDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_tabs->currentWidget() == m_table)
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
