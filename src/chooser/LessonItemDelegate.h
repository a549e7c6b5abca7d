// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/LessonMark.h"

#include <QStyledItemDelegate>

#include <functional>

// Draws one lesson of the chooser: the lesson icon (an arrow for the lesson
// to go on with), the title and the mark of the pupil's best grade in its
// colour. The selected item gets the highlight background but keeps its
// colours; no focus frame is drawn.
class LessonItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using MarkOfRow = std::function<LessonMark(int row)>;
    using IsNextRow = std::function<bool(int row)>;
    LessonItemDelegate(MarkOfRow markOfRow, IsNextRow isNextRow, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    MarkOfRow m_markOfRow;
    IsNextRow m_isNextRow;
};
