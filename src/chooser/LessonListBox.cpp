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

void CLessonListBox::paintEvent(QPaintEvent* event) {
    // A stat.dat that cannot be read shows every lesson as not passed; the
    // lesson run reports the file when it next stores a run.
    try {
        m_grades.Refresh(GetCurrentPupil());
    } catch (const FileError&) {
    }
    SortedListWidget::paintEvent(event);
}
