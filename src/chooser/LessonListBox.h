// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chooser/LessonEntry.h"
#include "exercise/LessonGrades.h"
#include "exercise/LessonMark.h"
#include "platform/SortedList.h"
#include "pupils/PupilFileDigest.h"

#include <vector>

// The chooser's list of lessons, sorted by title. Each item keeps the index
// of its own entry, so two titles that sort together still open their own
// files. Every item shows the pupil's best grade of its lesson as
// the pupil's stat.dat held it at the last RefreshGrades; painting reads no
// file. Only the grades are kept, not the runs they came from.
class CLessonListBox : public SortedListWidget {
    Q_OBJECT

public:
    explicit CLessonListBox(QWidget* parent = nullptr);

    void AddLesson(const std::string& title, const std::string& path);

    // Whose grades the rows show from now on: the pupil (Windows-1250) of
    // the folder; none shows every lesson as not passed.
    void SetPupil(PupilsFolder pupils, std::string pupil);

    // The entry behind a row; none for a row that does not exist or an item
    // whose entry index is out of range.
    const LessonEntry* EntryOfRow(int row) const;

    // The pupil's mark of the lesson in a row, as last refreshed.
    LessonMark MarkOfRow(int row) const;

    // Grades every row from the pupil's stat.dat (read again only when it
    // changed), marks the first lesson not passed yet with its own icon and
    // scrolls it into view when asked. Returns that row; -1 when all are
    // passed. A file that cannot be read shows every lesson as not passed;
    // the lesson run reports the file when it next stores a run.
    int MarkNextLesson(bool scrollIntoView);
    int NextLessonRow() const { return m_nextRow; }
    // The next lesson's icon is a teaching aid: without them every lesson
    // has the lesson icon.
    void ShowNextLessonIcon(bool shown);
    bool HasNextLessonIcon(int row) const { return m_nextLessonIconShown && row == m_nextRow; }

private:
    void RefreshGrades();
    int BestGradeOfRow(int row) const;

    std::vector<LessonEntry> m_entries;
    PupilsFolder m_pupils;
    std::string m_pupil;
    CPupilFileDigest<CLessonGrades> m_grades;
    int m_nextRow = -1;
    bool m_nextLessonIconShown = true;
};
