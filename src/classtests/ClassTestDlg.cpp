// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTestDlg.h"

#include "classtests/ClassTestFile.h"
#include "platform/Cp1250.h"
#include "platform/DialogTemplate.h"
#include "platform/FileError.h"
#include "platform/Format.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kDaysOpenByDefault = 7;
constexpr int kMinutesByDefault = 5;
// Limits a class of young typists reaches, from 1 up to 6 (celujący).
constexpr OwnMarks kSuggestedMarks{{{0, 100}, {40, 10}, {60, 6}, {80, 4}, {100, 2}, {130, 1}}};

QDate ToQDate(std::chrono::sys_days day) {
    const std::chrono::year_month_day date{day};
    return QDate(static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                 static_cast<unsigned>(date.day()));
}

std::chrono::sys_days ToDay(const QDate& date) {
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{static_cast<unsigned>(date.month())},
                                       std::chrono::day{static_cast<unsigned>(date.day())}};
}

QString LimitText(double value) {
    return QString::fromStdString(
        FormatDecimalComma(value, value == static_cast<int>(value) ? 0 : 1));
}

std::optional<double> ParseLimit(const QTableWidgetItem* item) {
    bool ok = false;
    const double value =
        item ? item->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok)
             : 0.0;
    return ok ? std::optional(value) : std::nullopt;
}

// The text's lines (Windows-1250) without the empty ones at its end;
// nothing when a character has no Windows-1250 code.
std::optional<std::vector<std::string>> TextLines(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const std::string utf8 = line.toStdString();
        lines.push_back(Utf8ToCp1250(utf8));
        if (Cp1250ToUtf8(lines.back()) != utf8)
            return std::nullopt;
    }
    while (!lines.empty() && lines.back().find_first_not_of(' ') == std::string::npos)
        lines.pop_back();
    return lines;
}

QString Listed(const std::vector<std::string>& texts) {
    QString list;
    for (const std::string& text : texts)
        list += QStringLiteral("\n– ") + QString::fromStdString(text);
    return list;
}

} // namespace

CClassTestDlg::CClassTestDlg(PupilsFolder pupils, TestTextSources sources, const ClassTest& test,
                             QWidget* parent)
    : QDialog(parent), m_pupils(std::move(pupils)), m_sources(std::move(sources)), m_test(test),
      m_name(new QLineEdit(QString::fromStdString(test.name), this)), m_lesson(new QComboBox(this)),
      m_text(new QPlainTextEdit(this)), m_time(new QComboBox(this)), m_from(new QDateEdit(this)),
      m_to(new QDateEdit(this)), m_attempts(new QSpinBox(this)),
      m_aids(new QCheckBox(QStringLiteral("Pomoce (klawiatura ekranowa) dozwolone"), this)) {
    const bool isNew = test.id.empty();
    setWindowTitle(isNew ? QStringLiteral("Tastrum: nowy sprawdzian")
                         : QStringLiteral("Tastrum: zmiana sprawdzianu"));

    m_lesson->addItem(QStringLiteral("(tekst wklejony poniżej)"));
    for (const ListedLesson& lesson : m_sources.lessons)
        m_lesson->addItem(ToQString(lesson.title));
    connect(m_lesson, &QComboBox::activated, this, &CClassTestDlg::TakeLessonText);
    QStringList lines;
    for (const std::string& line : test.lines)
        lines << ToQString(line);
    m_text->setPlainText(lines.join(QLatin1Char('\n')));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);

    m_time->addItem(QStringLiteral("do końca tekstu"), kNoTimeLimit);
    for (int minutes = kShortestTimeLimit / 60; minutes <= kLongestTimeLimit / 60; ++minutes)
        m_time->addItem(QStringLiteral("%1 min").arg(minutes), minutes * 60);
    const int time = m_time->findData(isNew ? kMinutesByDefault * 60 : test.timeLimitSeconds);
    m_time->setCurrentIndex(std::max(time, 0));
    const QDate today = QDate::currentDate();
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    }
    m_from->setDate(isNew ? today : ToQDate(test.openFrom));
    m_to->setDate(isNew ? today.addDays(kDaysOpenByDefault) : ToQDate(test.openTo));
    m_attempts->setRange(1, kMostAttempts);
    m_attempts->setValue(test.attemptsAllowed);
    m_aids->setChecked(test.aidsAllowed);

    auto* textSide = new QVBoxLayout;
    auto* nameRow = new QFormLayout;
    nameRow->addRow(QStringLiteral("&Nazwa:"), m_name);
    nameRow->addRow(QStringLiteral("Tekst z &lekcji:"), m_lesson);
    textSide->addLayout(nameRow);
    auto* textLabel = new QLabel(QStringLiteral("&Tekst do przepisania:"), this);
    textLabel->setBuddy(m_text);
    textSide->addWidget(textLabel);
    textSide->addWidget(m_text, 1);

    auto* settings = new QFormLayout;
    settings->addRow(QStringLiteral("&Czas:"), m_time);
    settings->addRow(QStringLiteral("Otwarty &od:"), m_from);
    settings->addRow(QStringLiteral("&do:"), m_to);
    settings->addRow(QStringLiteral("&Podejścia:"), m_attempts);
    settings->addRow(m_aids);
    auto* settingsSide = new QVBoxLayout;
    settingsSide->addLayout(settings);
    settingsSide->addWidget(MakeMarks(test), 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(textSide, 3);
    columns->addLayout(settingsSide, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Zapisz"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Save())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // On a small screen the controls scroll above the buttons.
    auto* content = new QWidget;
    columns->setContentsMargins(0, 0, 0, 0);
    content->setLayout(columns);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    resize(QSize(760, 460).boundedTo(RoomForDialog(*this)));
}

QWidget* CClassTestDlg::MakeMarks(const ClassTest& test) {
    auto* box = new QWidget(this);
    auto* programMarks = new QRadioButton(QStringLiteral("&Skala programu"), box);
    m_ownMarks = new QRadioButton(QStringLiteral("&Własne progi"), box);
    auto* group = new QButtonGroup(box);
    group->addButton(programMarks);
    group->addButton(m_ownMarks);
    (test.ownMarks ? m_ownMarks : programMarks)->setChecked(true);

    const OwnMarks& limits = test.ownMarks ? *test.ownMarks : kSuggestedMarks;
    m_limits = new QTableWidget(kHighestSchoolMark, 2, box);
    m_limits->setHorizontalHeaderLabels(
        {QStringLiteral("Prędkość od"), QStringLiteral("Błędy do %")});
    for (int mark = kHighestSchoolMark; mark >= kLowestMark; --mark) {
        const int row = kHighestSchoolMark - mark;
        m_limits->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(mark)));
        m_limits->setItem(row, 0, new QTableWidgetItem(LimitText(limits[mark - 1].minSpeed)));
        m_limits->setItem(row, 1,
                          new QTableWidgetItem(LimitText(limits[mark - 1].maxErrorPercent)));
    }
    m_limits->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_limits->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_limits->setEnabled(m_ownMarks->isChecked());
    connect(m_ownMarks, &QRadioButton::toggled, m_limits, &QWidget::setEnabled);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Oceny:"), box));
    auto* choice = new QHBoxLayout;
    choice->addWidget(programMarks);
    choice->addWidget(m_ownMarks);
    layout->addLayout(choice);
    layout->addWidget(m_limits, 1);
    return box;
}

void CClassTestDlg::TakeLessonText(int index) {
    if (index < 1)
        return;
    const ListedLesson& lesson = m_sources.lessons[index - 1];
    try {
        QStringList lines;
        for (const std::string& line : LessonTextLines(lesson))
            lines << ToQString(line);
        m_text->setPlainText(lines.join(QLatin1Char('\n')));
        if (m_name->text().trimmed().isEmpty())
            m_name->setText(ToQString(lesson.title));
    } catch (const FileError& error) {
        ShowMessage(this, QStringLiteral("Nie można odczytać lekcji: ") +
                              QString::fromStdString(error.what()));
    }
}

// The test the controls describe; nothing, after telling the teacher, when
// a limit is not a number or the text has a character the program cannot
// keep.
std::optional<ClassTest> CClassTestDlg::Gathered() {
    ClassTest test = m_test;
    test.name = m_name->text().trimmed().toStdString();
    const std::optional<std::vector<std::string>> lines = TextLines(m_text->toPlainText());
    if (!lines) {
        ShowMessage(this, QStringLiteral("Tekst ma znaki spoza polskiego alfabetu "
                                         "Windows-1250; popraw go."));
        return std::nullopt;
    }
    test.lines = *lines;
    test.timeLimitSeconds = m_time->currentData().toInt();
    test.openFrom = ToDay(m_from->date());
    test.openTo = ToDay(m_to->date());
    test.attemptsAllowed = m_attempts->value();
    test.aidsAllowed = m_aids->isChecked();
    test.ownMarks.reset();
    if (!m_ownMarks->isChecked())
        return test;
    OwnMarks marks{};
    for (int mark = kLowestMark; mark <= kHighestSchoolMark; ++mark) {
        const int row = kHighestSchoolMark - mark;
        const std::optional<double> speed = ParseLimit(m_limits->item(row, 0));
        const std::optional<double> errors = ParseLimit(m_limits->item(row, 1));
        if (!speed || !errors) {
            ShowMessage(this, QStringLiteral("Progi oceny %1 muszą być liczbami.").arg(mark));
            return std::nullopt;
        }
        marks[mark - 1] = {*speed, *errors};
    }
    test.ownMarks = marks;
    return test;
}

// Refuses a text with characters no key types; a character that takes a
// chord no lesson teaches the teacher may keep.
bool CClassTestDlg::TextIsSound(const std::vector<std::string>& lines) {
    LessonCheck check;
    try {
        check = CheckTestText(lines, m_sources.programFolder);
    } catch (const std::exception& error) {
        ShowMessage(this, QStringLiteral("Nie można sprawdzić tekstu: ") +
                              QString::fromStdString(error.what()));
        return false;
    }
    if (!check.problems.empty()) {
        ShowMessage(this, QStringLiteral("Tekstu nie można przepisać; popraw go:") +
                              Listed(check.problems));
        return false;
    }
    return check.warnings.empty() ||
           AskYesNo(this, QStringLiteral("Uwaga:") + Listed(check.warnings) +
                              QStringLiteral("\n\nZapisać sprawdzian mimo to?"));
}

bool CClassTestDlg::Save() {
    const std::optional<ClassTest> test = Gathered();
    if (!test)
        return false;
    if (const std::string problem = ClassTestProblem(*test); !problem.empty()) {
        ShowMessage(this,
                    QStringLiteral("Nie zapisano sprawdzianu: ") + QString::fromStdString(problem));
        return false;
    }
    if (!TextIsSound(test->lines))
        return false;
    try {
        ClassTest saved = *test;
        if (saved.id.empty())
            saved.id = AddClassTest(m_pupils, saved);
        else
            SaveClassTest(m_pupils, saved);
        m_test = saved;
        return true;
    } catch (const FileError& error) {
        ShowMessage(this, QStringLiteral("Nie zapisano sprawdzianu: ") +
                              QString::fromStdString(error.what()));
        return false;
    }
}
