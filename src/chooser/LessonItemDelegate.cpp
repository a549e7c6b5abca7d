// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chooser/LessonItemDelegate.h"

#include "platform/Icons.h"
#include "platform/QtText.h"

#include <QPainter>

namespace {

constexpr int kIconSize = 16;
constexpr int kIconLeft = 1;
constexpr int kTextLeft = 20;
constexpr int kItemPadding = 2;
// A pale blue on which the red and the blue lesson texts both keep a contrast
// of at least 4.5:1; the system's highlight colour frames the selected row.
const QColor kSelectedBackground{235, 240, 255};

} // namespace

LessonItemDelegate::LessonItemDelegate(MarkOfRow markOfRow, IsNextRow isNextRow, QObject* parent)
    : QStyledItemDelegate(parent), m_markOfRow(std::move(markOfRow)),
      m_isNextRow(std::move(isNextRow)) {}

void LessonItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QString title = index.data(Qt::DisplayRole).toString();
    const LessonMark mark = m_markOfRow(index.row());
    const QRect rc = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);

    painter->save();
    if (selected) {
        painter->fillRect(rc, kSelectedBackground);
        painter->setPen(option.palette.color(QPalette::Highlight));
        painter->drawRect(rc.adjusted(0, 0, -1, -1));
    } else {
        painter->fillRect(rc, option.palette.color(QPalette::Base));
    }
    const QIcon icon = m_isNextRow(index.row()) ? NextLessonIcon() : LessonIcon();
    icon.paint(painter,
                       QRect(rc.left() + kIconLeft, rc.top() + (rc.height() - kIconSize) / 2,
                             kIconSize, kIconSize));
    painter->setPen(QColor(mark.red, mark.green, mark.blue));
    painter->setFont(option.font);
    painter->drawText(rc.adjusted(kTextLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      title + ToQString(mark.suffix));
    painter->restore();
}

QSize LessonItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    return {text.width() + kTextLeft,
            std::max(kIconSize, option.fontMetrics.height()) + kItemPadding};
}
