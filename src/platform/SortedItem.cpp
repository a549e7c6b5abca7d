// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SortedItem.h"

#include "platform/SortedList.h"

SortedItem::SortedItem(const QString& text, const QVariant& key) : QTableWidgetItem(text) {
    setData(kSortRole, key);
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

bool SortedItem::operator<(const QTableWidgetItem& other) const {
    const QVariant mine = data(kSortRole), theirs = other.data(kSortRole);
    if (mine.typeId() == QMetaType::QString)
        return PolishLess(mine.toString(), theirs.toString());
    return mine.toDouble() < theirs.toDouble();
}
