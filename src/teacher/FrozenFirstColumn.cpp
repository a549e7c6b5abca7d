// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/FrozenFirstColumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

CFrozenFirstColumn::CFrozenFirstColumn(QTableView& table) : QTableView(&table), m_table(table) {
    setModel(table.model());
    setSelectionModel(table.selectionModel());
    setSelectionBehavior(table.selectionBehavior());
    setEditTriggers(table.editTriggers());
    setFocusPolicy(Qt::NoFocus);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(table.horizontalHeader()->defaultAlignment());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    // A click on the column's heading sorts the table as a click on the
    // table's own heading of it would.
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, &table, [&table] {
        const QHeaderView& own = *table.horizontalHeader();
        table.sortByColumn(0, own.sortIndicatorSection() == 0 &&
                                      own.sortIndicatorOrder() == Qt::AscendingOrder
                                  ? Qt::DescendingOrder
                                  : Qt::AscendingOrder);
    });
    connect(table.horizontalHeader(), &QHeaderView::sortIndicatorChanged, horizontalHeader(),
            &QHeaderView::setSortIndicator);
    connect(table.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (column == 0) {
                    setColumnWidth(0, size);
                    Follow();
                }
            });
    connect(table.verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { setRowHeight(row, size); });
    connect(table.verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, table.verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(this, &QTableView::doubleClicked, &table, &QTableView::doubleClicked);
    table.installEventFilter(this);
    Follow();
    show();
}

void CFrozenFirstColumn::Follow() {
    for (int column = 1; column < model()->columnCount(); ++column)
        setColumnHidden(column, true);
    setColumnWidth(0, m_table.columnWidth(0));
    horizontalHeader()->setFixedHeight(m_table.horizontalHeader()->height());
    horizontalHeader()->setMinimumHeight(m_table.horizontalHeader()->minimumHeight());
    setGeometry(m_table.frameWidth(), m_table.frameWidth(), m_table.columnWidth(0),
                m_table.viewport()->height() + m_table.horizontalHeader()->height());
    raise();
}

bool CFrozenFirstColumn::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_table && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                                event->type() == QEvent::LayoutRequest))
        Follow();
    return QTableView::eventFilter(watched, event);
}
