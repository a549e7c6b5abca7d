#pragma once

#include "chooser/BestGrades.h"
#include "chooser/LessonEntry.h"
#include "exercise/LessonMark.h"
#include "platform/SortedList.h"

#include <vector>

// The chooser's list of lessons, sorted by title. Each item keeps the index
// of its own entry, so two titles that sort together still open their own
// files. Every item shows the current pupil's best grade of its lesson as
// the pupil's stat.dat holds it when the list is painted.
class CLessonListBox : public SortedListWidget {
public:
    explicit CLessonListBox(QWidget* parent = nullptr);

    void AddLesson(const std::string& title, const std::string& path);

    // The entry behind a row; none for a row that does not exist or an item
    // whose entry index is out of range.
    const LessonEntry* EntryOfRow(int row) const;

    // The pupil's mark of the lesson in a row, as last painted.
    LessonMark MarkOfRow(int row) const;

    // Marks the first lesson the pupil has not passed yet with its own icon,
    // and scrolls it into view when asked; -1 when all are passed.
    int MarkNextLesson(bool scrollIntoView);
    int NextLessonRow() const { return m_nextRow; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RefreshGrades();

    std::vector<LessonEntry> m_entries;
    CBestGrades m_grades;
    int m_nextRow = -1;
};
