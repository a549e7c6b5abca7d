// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/StatsDlg.h"

#include "platform/Cp1250.h"
#include "platform/DialogColours.h"
#include "platform/DialogTemplate.h"
#include "platform/FileError.h"
#include "platform/Memory.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "platform/SortedList.h"
#include "pupils/PupilRegistry.h"
#include "stats/BarDetails.h"
#include "stats/CharErrorRanking.h"
#include "stats/LessonSummary.h"
#include "stats/ProgressChart.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// A drop-down's height in a template counts its open list; the closed box
// is one line high.
const DialogTemplate kStatsTemplate{
    "Statystyki",
    377,
    250,
    {
        {CStatsDlg::kIdHeading, ControlKind::Label, 5, 7, 75, 8, "Statystyka dla ucznia:"},
        {CStatsDlg::kIdPupilCombo, ControlKind::ComboBox, 85, 5, 70, 12, ""},
        {CStatsDlg::kIdSeparator, ControlKind::Separator, 160, 5, 2, 25, ""},
        {CStatsDlg::kIdMistypedChars, ControlKind::Label, 170, 5, 200, 25, "Info"},
        {kNoId, ControlKind::Label, 5, 25, 80, 8, "Wybierz ćwiczenie"},
        {CStatsDlg::kIdExerciseList, ControlKind::ListBox, 5, 36, 365, 40, ""},
        {CStatsDlg::kIdRunsSummary, ControlKind::Label, 5, 81, 170, 55, "Info"},
        {CStatsDlg::kIdProgressSummary, ControlKind::Label, 180, 81, 190, 55, "Info"},
        {CStatsDlg::kIdChart, ControlKind::Placeholder, 5, 145, 365, 80, ""},
        {CStatsDlg::kIdLegend, ControlKind::Label, 5, 231, 245, 15,
         "Zielony to ilość znaków na minutę, czerwony to ilość błędów w %"},
        {kIdCancel, ControlKind::PushButton, 270, 231, 50, 14, "Cancel"},
        {kIdOk, ControlKind::DefaultButton, 325, 231, 50, 14, "OK"},
    },
};
// For the teacher, a row below the window's own controls opens the class
// overview; for pupils the window ends above it.
constexpr int kClassRowHeight = 18, kClassButtonX = 5, kClassButtonWidth = 90,
              kClassButtonHeight = 14;

// Names are kept beside their text as the file's own bytes, so they reach
// the store exactly as they came from it.
constexpr int kNameRole = Qt::UserRole;

QByteArray NameData(const std::string& name) {
    return QByteArray::fromStdString(name);
}

const ShownRuns kNoRuns;

} // namespace

CStatsDlg::CStatsDlg(PupilsFolder pupils, std::string pupil, bool teacherMode, QWidget* parent)
    : QDialog(parent), m_pupils(std::move(pupils)), m_teacherMode(teacherMode),
      m_pupil(std::move(pupil)), m_runs(&kNoRuns), m_chart(new CProgressChart) {
    const DialogControls controls =
        BuildDialog(*this, kStatsTemplate, {{CStatsDlg::kIdChart, m_chart}});
    m_classButton = new QPushButton(QStringLiteral("Przegląd &klasy..."), this);
    m_classButton->setObjectName(ControlName(kIdClassButton));
    m_classButton->setAutoDefault(false);
    m_classButton->hide();
    ApplyDialogColours(*this);
    m_pupilCombo = controls.Get<SortedComboBox>(CStatsDlg::kIdPupilCombo);
    m_exerciseList = controls.Get<SortedListWidget>(CStatsDlg::kIdExerciseList);
    m_mistypedChars = controls.Get<QLabel>(CStatsDlg::kIdMistypedChars);
    m_runsSummary = controls.Get<QLabel>(CStatsDlg::kIdRunsSummary);
    m_progressSummary = controls.Get<QLabel>(CStatsDlg::kIdProgressSummary);
    m_legend = controls.Get<QLabel>(CStatsDlg::kIdLegend);

    connect(m_pupilCombo, &QComboBox::activated, this, &CStatsDlg::OnPupilSelEndOk);
    connect(m_exerciseList, &QListWidget::itemSelectionChanged, this,
            &CStatsDlg::OnExerciseSelChange);
    connect(m_chart, &CProgressChart::barHovered, this, &CStatsDlg::OnBarHovered);
    connect(m_classButton, &QPushButton::clicked, this, [this] { m_openClassOverview(); });
    OnInitDialog();
}

void CStatsDlg::SetClassOverviewOpener(std::function<void()> opener) {
    const bool shown = !m_classButton->isHidden();
    m_openClassOverview = std::move(opener);
    if (shown == static_cast<bool>(m_openClassOverview))
        return;
    const int row = DialogUnitsToPixels(font(), 0, 0, 0, kClassRowHeight).height();
    m_classButton->setGeometry(
        DialogUnitsToPixels(font(), kClassButtonX, 0, kClassButtonWidth, kClassButtonHeight)
            .translated(0, height()));
    m_classButton->setVisible(!shown);
    setFixedSize(width(), height() + (shown ? -row : row));
}

void CStatsDlg::OnInitDialog() {
    StringList pupils;
    ListPupils(m_pupils, pupils);
    // In a school's class folder a pupil sees their own statistics only:
    // the classmates' are the teacher's to see.
    if (m_pupils.setBySchool && !m_teacherMode)
        std::erase_if(pupils, [this](const std::string& pupil) {
            return m_pupil.empty() || !EqualsIgnoringCase(pupil, m_pupil);
        });
    for (const std::string& pupil : pupils) {
        const int row = m_pupilCombo->AddSorted(ToQString(pupil));
        m_pupilCombo->setItemData(row, NameData(pupil), kNameRole);
    }
    // Setting the index always, since the first name added would otherwise
    // stay selected. Folder names here tell letter case apart, so the pupil
    // shown is the folder found, whatever case the current name has.
    const int found = m_pupilCombo->findText(ToQString(m_pupil), Qt::MatchFixedString);
    m_pupilCombo->setCurrentIndex(found);
    if (found >= 0)
        m_pupil = PupilAt(found);
    ShowPupil();
}

void CStatsDlg::OnPupilSelEndOk(int index) {
    if (index < 0)
        return;
    m_pupil = PupilAt(index);
    ShowPupil();
}

void CStatsDlg::OnExerciseSelChange() {
    const QList<QListWidgetItem*> selected = m_exerciseList->selectedItems();
    if (selected.isEmpty())
        return;
    m_exercise = selected.front()->data(kNameRole).toByteArray().toStdString();
    const CLessonHistory& history = LoadStats();
    m_runs = &history.RunsOf(m_exercise);
    RefreshStatistics(history);
}

void CStatsDlg::OnBarHovered(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_runs->size())
        return;
    m_legend->setText(ToQString(FormatBarDetails(index, (*m_runs)[static_cast<size_t>(index)])));
}

std::string CStatsDlg::PupilAt(int index) const {
    return m_pupilCombo->itemData(index, kNameRole).toByteArray().toStdString();
}

void CStatsDlg::ShowPupil() {
    const CLessonHistory& history = LoadStats();
    // The pupil's whole store was read to make the history: while the
    // window is open, the program holds no more than the history.
    ReturnFreedMemory();
    FillExerciseList(history);
    RefreshStatistics(history);
}

void CStatsDlg::FillExerciseList(const CLessonHistory& history) {
    // Emptying the list is no choice of lesson.
    const QSignalBlocker blocker(m_exerciseList);
    m_exerciseList->clear();
    for (const std::string& lesson : history.LessonNames()) {
        const int row = m_exerciseList->AddSorted(ToQString(lesson));
        m_exerciseList->item(row)->setData(kNameRole, NameData(lesson));
    }
}

void CStatsDlg::RefreshStatistics(const CLessonHistory& history) {
    m_mistypedChars->setText(ToQString(FormatMostMistypedChars(history.CharErrors())));
    const std::optional<LessonSummary> summary = SummariseLesson(m_exercise, *m_runs);
    // Without runs the summary boxes keep what they show.
    if (!summary) {
        m_chart->Clear();
        return;
    }
    m_runsSummary->setText(ToQString(summary->runsText));
    m_progressSummary->setText(ToQString(summary->progressText));
    m_chart->ShowRuns(*m_runs, BestSpeed(*m_runs));
}

const CLessonHistory& CStatsDlg::LoadStats() {
    static const CLessonHistory kNoHistory;
    m_runs = &kNoRuns;
    try {
        return m_history.Load(m_pupils, m_pupil);
    } catch (const FileError& error) {
        // Read again next time: the file may be mended by then.
        ShowFileError(this, error);
        return kNoHistory;
    }
}
