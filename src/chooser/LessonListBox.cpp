#include "chooser/LessonListBox.h"

#include "platform/QtText.h"

CLessonListBox::CLessonListBox(QWidget* parent) : SortedListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
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
