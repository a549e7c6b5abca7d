// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/PupilFileDigest.h"
#include "stats/LessonHistory.h"

#include <QDialog>

#include <functional>
#include <memory>

#include <string>

class CProgressChart;
class QLabel;
class QPushButton;
class SortedComboBox;
class SortedListWidget;

// The statistics window: any pupil's progress in any lesson they have run,
// as a summary and a bar chart, with the most mistyped characters over all
// lessons. It only reads the pupils' files; it opens on the pupil at the
// keyboard, ready to show.
class CStatsDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kIdPupilCombo = 1030;
    static constexpr int kIdSeparator = 1031;
    static constexpr int kIdMistypedChars = 1032;
    static constexpr int kIdExerciseList = 1026;
    static constexpr int kIdRunsSummary = 1019;
    static constexpr int kIdProgressSummary = 1021;
    static constexpr int kIdChart = 1028;
    static constexpr int kIdLegend = 1029;
    static constexpr int kIdHeading = 1020;
    static constexpr int kIdClassButton = 1101;

    // The pupil is Windows-1250. In a school's class folder the list offers
    // the pupil alone, unless the program runs for the teacher.
    CStatsDlg(PupilsFolder pupils, std::string pupil, bool teacherMode = false,
              QWidget* parent = nullptr);

    // What "Przegląd klasy" opens; the button is hidden while there is none.
    void SetClassOverviewOpener(std::function<void()> opener);

private:
    void OnInitDialog();
    void OnPupilSelEndOk(int index);
    void OnExerciseSelChange();
    void OnBarHovered(int index);

    std::string PupilAt(int index) const;
    // Loads the chosen pupil's file once and shows its lessons and characters.
    void ShowPupil();
    void FillExerciseList(const CLessonHistory& history);
    void RefreshStatistics(const CLessonHistory& history);
    // The chosen pupil's store as the file holds it now, read again only
    // when the file has changed; a file that cannot be read is reported and
    // reads as empty, so the window stays usable. The runs shown until now
    // are forgotten, since they belong to what was held before.
    const CLessonHistory& LoadStats();

    PupilsFolder m_pupils;
    bool m_teacherMode;
    std::string m_pupil;     // Windows-1250
    std::string m_exercise;  // Windows-1250; kept when another pupil is chosen
    const ShownRuns* m_runs; // the chosen lesson's, held by m_history
    CPupilFileDigest<CLessonHistory> m_history;

    SortedComboBox* m_pupilCombo;
    SortedListWidget* m_exerciseList;
    QLabel* m_mistypedChars;
    QLabel* m_runsSummary;
    QLabel* m_progressSummary;
    QLabel* m_legend;
    CProgressChart* m_chart;
    QPushButton* m_classButton;
    std::function<void()> m_openClassOverview;
};
