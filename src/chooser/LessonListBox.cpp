#include "chooser/LessonListBox.h"

#include "chooser/LessonItemDelegate.h"
#include "platform/FileError.h"
#include "platform/QtText.h"
#include "pupils/PupilRegistry.h"

CLessonListBox::CLessonListBox(QWidget* parent) : SortedListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new LessonItemDelegate([this](int row) { return MarkOfRow(row); }, this));
}

void CLessonListBox::AddLesson(const std::string& title, const std::string& path) {
    m_entries.push_back({title, path});
    const int row = AddSorted(ToQString(title));
    item(row)->setData(Qt::UserRole, static_cast<qulonglong>(m_entries.size() - 1));
}

int CLessonListBox::EntryIndexOfRow(int row) const {
    const QListWidgetItem* rowItem = item(row);
    return rowItem ? rowItem->data(Qt::UserRole).toInt() : -1;
}

LessonMark CLessonListBox::MarkOfRow(int row) const {
    const int index = EntryIndexOfRow(row);
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size())
        return MarkForBestGrade(0);
    return MarkForBestGrade(m_grades.BestGrade(m_entries[static_cast<size_t>(index)].title));
}

void CLessonListBox::paintEvent(QPaintEvent* event) {
    // A stat.dat that cannot be read shows every lesson as not passed; the
    // lesson run reports the file when it next stores a run.
    try {
        m_grades.Refresh(GetCurrentPupil());
    } catch (const FileError&) {
    }
    SortedListWidget::paintEvent(event);
}
