// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chooser/LessonDlg.h"

#include "chooser/AboutDlg.h"
#include "chooser/LessonListBox.h"
#include "classtests/ClassTestsTab.h"
#include "classtests/LeftAttempts.h"
#include "classtests/TestText.h"
#include "exercise/TeachingAids.h"
#include "exercise/WeakKeys.h"
#include "lessons/LessonListing.h"
#include "platform/DialogColours.h"
#include "platform/DialogTemplate.h"
#include "platform/FileError.h"
#include "platform/HelpFile.h"
#include "platform/Memory.h"
#include "platform/QtText.h"
#include "pupils/ChoosePupil.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/PupilRegistry.h"
#include "stats/StatsDlg.h"
#include "teacher/ClassOverviewDlg.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

const DialogTemplate kLessonTemplate{
    "Tastrum",
    362,
    199,
    {
        {kIdOk, ControlKind::PushButton, 305, 185, 50, 14, "&Koniec"},
        {CLessonDlg::kIdLessonList, ControlKind::Placeholder, 5, 55, 350, 125, ""},
        {kNoId, ControlKind::Label, 5, 40, 350, 8, "Wybierz lekcję, klikając na niej dwa razy"},
        {CLessonDlg::kIdHelpButton, ControlKind::PushButton, 305, 10, 50, 14, "&Pomoc"},
        {CLessonDlg::kIdGreeting, ControlKind::Label, 5, 10, 170, 8, "Witam uczniu..."},
        {CLessonDlg::kIdStatisticsButton, ControlKind::PushButton, 245, 10, 50, 14, "&Statystyki"},
        // Beside the window's own controls, below the list.
        {CLessonDlg::kIdPracticeButton, ControlKind::PushButton, 5, 185, 130, 14,
         "Ć&wicz trudne klawisze"},
        // The teacher's only.
        {CLessonDlg::kIdClassButton, ControlKind::PushButton, 140, 185, 90, 14,
         "Przegląd &klasy..."},
    },
};

// The tests' buttons, one a row below the window's own controls, in dialog
// units.
constexpr int kTestButtonX = 5, kTestButtonTop = 3, kTestButtonWidth = 350, kTestButtonHeight = 14,
              kTestRowHeight = 18;

bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CLessonDlg::CLessonDlg(ProgramFolders folders, bool teacherMode, QWidget* parent)
    : QDialog(parent), m_folders(std::move(folders)), m_teacherMode(teacherMode),
      m_lessonList(new CLessonListBox), m_classStore(m_folders.pupils) {
    const DialogControls controls =
        BuildDialog(*this, kLessonTemplate, {{CLessonDlg::kIdLessonList, m_lessonList}});
    ApplyDialogColours(*this);
    m_greeting = controls.Get<QLabel>(CLessonDlg::kIdGreeting);
    m_practiceButton = controls.Get<QPushButton>(CLessonDlg::kIdPracticeButton);

    connect(controls.Get<QPushButton>(CLessonDlg::kIdHelpButton), &QPushButton::clicked, this,
            &CLessonDlg::OpenHelp);
    auto* statistics = controls.Get<QPushButton>(CLessonDlg::kIdStatisticsButton);
    connect(statistics, &QPushButton::clicked, this, &CLessonDlg::ShowStatistics);
    connect(m_lessonList, &QListWidget::itemDoubleClicked, this, &CLessonDlg::RunSelectedLesson);
    m_lessonList->installEventFilter(this);
    // No button looks like the default one, yet Enter presses the focused button.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &CLessonDlg::OpenHelp);
    connect(m_practiceButton, &QPushButton::clicked, this, &CLessonDlg::RunPractice);
    auto* classButton = controls.Get<QPushButton>(CLessonDlg::kIdClassButton);
    classButton->setVisible(m_teacherMode);
    connect(classButton, &QPushButton::clicked, this, &CLessonDlg::ShowClassOverview);
    m_practiceShortcut = new QShortcut(Qt::Key_F3, this);
    connect(m_practiceShortcut, &QShortcut::activated, this, &CLessonDlg::RunPractice);

    m_shareClock = [pupils = m_folders.pupils] { return ShareNow(pupils); };
    m_sizeWithoutTests = size();
    controls[kIdOk]->setFocus();
}

void CLessonDlg::Initialise() {
    ChoosePupil(m_folders.pupils, m_pupil);
    m_lessonList->SetPupil(m_folders.pupils, m_pupil);
    m_greeting->setText(QStringLiteral("Witam, ") + ToQString(m_pupil));
    FillLessonList();
    m_lessonList->MarkNextLesson(true);
    ShowTeachingAids();
    ShowTestsToTake();
    // The grades were made from the pupil's whole store, which is gone now.
    ReturnFreedMemory();
}

int CLessonDlg::Start() {
    Initialise();
    return exec();
}

void CLessonDlg::FillLessonList() {
    for (const ListedLesson& lesson : ListLessonFiles(LessonFolders(m_folders)))
        m_lessonList->AddLesson(lesson.title, lesson.path);
}

std::string CLessonDlg::GetSelectedLessonPath() const {
    const QList<QListWidgetItem*> selected = m_lessonList->selectedItems();
    if (selected.isEmpty())
        return {};
    const LessonEntry* entry = m_lessonList->EntryOfRow(m_lessonList->row(selected.front()));
    return entry ? entry->path : std::string{};
}

// "Następna lekcja" in a result window selects the next lesson of the list
// and runs it at once.
void CLessonDlg::RunSelectedLesson() {
    while (m_runLesson) {
        const int next = m_lessonList->currentRow() + 1;
        const bool nextFollows = next > 0 && next < m_lessonList->count();
        const bool nextAsked = m_runLesson(m_pupil, GetSelectedLessonPath(), nextFollows);
        // The lesson's new grade shows at once, even where no window covered the list.
        m_lessonList->MarkNextLesson(false);
        repaint();
        m_lessonList->viewport()->repaint();
        ShowTeachingAids();
        if (!nextAsked || !nextFollows)
            break;
        m_lessonList->setCurrentRow(next);
    }
}

void CLessonDlg::ShowTestsToTake() {
    // A button may be the one whose click is still being handled.
    for (QPushButton* button : m_testButtons) {
        button->hide();
        button->deleteLater();
    }
    m_testButtons.clear();
    // An attempt left by a program that closed during it counts as ended.
    EndLeftAttempts(m_folders.outbox, m_folders.pupils);
    const std::vector<TestToTake> tests =
        m_pupil.empty() ? std::vector<TestToTake>{}
                        : TestsToTake(m_folders.pupils, m_pupil, m_shareClock());
    const int rowHeight = DialogUnitsToPixels(font(), 0, 0, 0, kTestRowHeight).height();
    for (const TestToTake& test : tests) {
        auto* button = new QPushButton(QString::fromStdString(TestToTakeText(test)), this);
        const QRect place = DialogUnitsToPixels(font(), kTestButtonX, kTestButtonTop,
                                                kTestButtonWidth, kTestButtonHeight);
        const int row = static_cast<int>(m_testButtons.size());
        button->setGeometry(place.x(), m_sizeWithoutTests.height() + row * rowHeight + place.y(),
                            place.width(), place.height());
        button->setAutoDefault(false);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, test] { RunTest(test); });
        button->show();
        m_testButtons.push_back(button);
    }
    setFixedSize(m_sizeWithoutTests + QSize(0, static_cast<int>(m_testButtons.size()) * rowHeight));
}

void CLessonDlg::RunTest(const TestToTake& test) {
    if (m_runTest)
        m_runTest(m_pupil, test);
    m_lessonList->MarkNextLesson(false);
    m_lessonList->viewport()->repaint();
    ShowTestsToTake();
}

void CLessonDlg::RunPractice() {
    if (m_runPractice)
        m_runPractice(m_pupil);
    ShowTeachingAids();
    m_lessonList->MarkNextLesson(false);
    m_lessonList->viewport()->repaint();
}

// The practice and the next lesson's icon are teaching aids, shown as the
// pupil last chose in an exercise.
void CLessonDlg::ShowTeachingAids() {
    const bool shown = AidsShownForPupil(m_folders.pupils, m_pupil);
    m_practiceButton->setVisible(shown);
    m_practiceShortcut->setEnabled(shown);
    m_lessonList->ShowNextLessonIcon(shown);
    if (shown)
        ShowKeysToPractise();
}

// The button tells how many keys need practice now; measurements that
// cannot be read tell nothing.
void CLessonDlg::ShowKeysToPractise() {
    size_t weak = 0;
    try {
        const CKeyStats stats = LoadKeyStats(m_folders.pupils, m_pupil);
        if (stats.TotalPresses() >= kPressesForPractice)
            weak = RankWeakKeys(stats).size();
    } catch (const FileError&) {
    }
    m_practiceButton->setText(weak == 0 ? QStringLiteral("Ć&wicz trudne klawisze")
                                        : QStringLiteral("Ć&wicz trudne klawisze (%1)").arg(weak));
}

bool CLessonDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lessonList && IsEnterKey(event)) {
        RunSelectedLesson();
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(watched); button && IsEnterKey(event)) {
        button->click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Another computer may have stored the pupil's runs meanwhile: coming back
// to the window looks at the stamp of the pupil's files, and reads them only
// when it changed.
void CLessonDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_pupil.empty())
        m_lessonList->MarkNextLesson(false);
    QDialog::changeEvent(event);
}

void CLessonDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("&About Tastrum...")), &QAction::triggered, this,
            &CLessonDlg::ShowAbout);
    // The class's grades are the teacher's, not the pupils'.
    if (m_teacherMode)
        connect(menu.addAction(QStringLiteral("Przegląd &klasy...")), &QAction::triggered, this,
                &CLessonDlg::ShowClassOverview);
    menu.exec(event->globalPos());
}

void CLessonDlg::OpenHelp() const {
    OpenHelpFile(m_folders.program);
}

void CLessonDlg::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

// The teacher's view of the whole class, over the lessons of the list, and
// of the tests set for it.
void CLessonDlg::ShowClassOverview() {
    CClassOverviewDlg overview(m_classStore, LessonsInListOrder(m_folders), m_folders.outbox);
    overview.AddTab(new CClassTestsTab(m_folders.pupils, TestTextSourcesOf(m_folders)),
                    QStringLiteral("&Sprawdziany"));
    overview.exec();
}

void CLessonDlg::ShowStatistics() {
    {
        CStatsDlg statistics(m_folders.pupils, m_pupil, m_teacherMode);
        if (m_teacherMode)
            statistics.SetClassOverviewOpener([this] { ShowClassOverview(); });
        statistics.exec();
    }
    // The window and its children are gone: what a long history held goes
    // back to the system.
    ReturnFreedMemory();
}
