// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chooser/LessonListBox.h"

#include "chooser/LessonItemDelegate.h"
#include "exercise/Grading.h"
#include "platform/FileError.h"
#include "platform/QtText.h"
#include "pupils/PupilRegistry.h"

namespace {

constexpr int kBestGradeRole = Qt::UserRole + 1;
constexpr int kOnlyEndedEarlyRole = Qt::UserRole + 2;

} // namespace

CLessonListBox::CLessonListBox(QWidget* parent) : SortedListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new LessonItemDelegate([this](int row) { return MarkOfRow(row); },
                                           [this](int row) { return HasNextLessonIcon(row); },
                                           this));
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

int CLessonListBox::BestGradeOfRow(int row) const {
    const QListWidgetItem* rowItem = item(row);
    return rowItem ? rowItem->data(kBestGradeRole).toInt() : 0;
}

LessonMark CLessonListBox::MarkOfRow(int row) const {
    const QListWidgetItem* rowItem = item(row);
    return MarkForBestGrade(BestGradeOfRow(row),
                            rowItem && rowItem->data(kOnlyEndedEarlyRole).toBool());
}

void CLessonListBox::SetPupil(PupilsFolder pupils, std::string pupil) {
    m_pupils = std::move(pupils);
    m_pupil = std::move(pupil);
}

void CLessonListBox::RefreshGrades() {
    static const CLessonGrades kNoGrades;
    const CLessonGrades* grades = &kNoGrades;
    try {
        grades = &m_grades.Load(m_pupils, m_pupil);
    } catch (const FileError&) {
    }
    for (int row = 0; row < count(); ++row)
        if (const LessonEntry* entry = EntryOfRow(row)) {
            item(row)->setData(kBestGradeRole, grades->BestGrade(entry->title));
            item(row)->setData(kOnlyEndedEarlyRole, grades->OnlyEndedEarly(entry->title));
        }
}

void CLessonListBox::ShowNextLessonIcon(bool shown) {
    m_nextLessonIconShown = shown;
    viewport()->update();
}

int CLessonListBox::MarkNextLesson(bool scrollIntoView) {
    RefreshGrades();
    m_nextRow = -1;
    for (int row = 0; row < count() && m_nextRow < 0; ++row)
        if (BestGradeOfRow(row) < kPassGrade)
            m_nextRow = row;
    if (m_nextRow >= 0 && scrollIntoView)
        scrollToItem(item(m_nextRow));
    viewport()->update();
    return m_nextRow;
}
