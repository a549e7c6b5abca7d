#include "chooser/LessonListBox.h"

#include "chooser/LessonItemDelegate.h"
#include "exercise/Grading.h"
#include "platform/FileError.h"
#include "platform/QtText.h"
#include "pupils/PupilRegistry.h"

CLessonListBox::CLessonListBox(QWidget* parent) : SortedListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new LessonItemDelegate([this](int row) { return MarkOfRow(row); },
                                           [this](int row) { return row == m_nextRow; }, this));
}

void CLessonListBox::AddLesson(const std::string& title, const std::string& path) {
    m_entries.push_back({title, path});
    const int row = AddSorted(ToQString(title));
    item(row)->setData(Qt::UserRole, static_cast<qulonglong>(m_entries.size() - 1));
}

const LessonEntry* CLessonListBox::EntryOfRow(int row) const {
    const QListWidgetItem* rowItem = item(row);
    if (!rowItem)
        return nullptr;
    const qulonglong index = rowItem->data(Qt::UserRole).toULongLong();
    return index < m_entries.size() ? &m_entries[index] : nullptr;
}

LessonMark CLessonListBox::MarkOfRow(int row) const {
    const LessonEntry* entry = EntryOfRow(row);
    return MarkForBestGrade(entry ? m_grades.BestGrade(entry->title) : 0);
}

// A stat.dat that cannot be read shows every lesson as not passed; the
// lesson run reports the file when it next stores a run.
void CLessonListBox::RefreshGrades() {
    try {
        m_grades.Refresh(GetCurrentPupil());
    } catch (const FileError&) {
    }
}

int CLessonListBox::MarkNextLesson(bool scrollIntoView) {
    RefreshGrades();
    m_nextRow = -1;
    for (int row = 0; row < count() && m_nextRow < 0; ++row)
        if (const LessonEntry* entry = EntryOfRow(row);
            entry && m_grades.BestGrade(entry->title) < kPassGrade)
            m_nextRow = row;
    if (m_nextRow >= 0 && scrollIntoView)
        scrollToItem(item(m_nextRow));
    viewport()->update();
    return m_nextRow;
}

void CLessonListBox::paintEvent(QPaintEvent* event) {
    RefreshGrades();
    SortedListWidget::paintEvent(event);
}
