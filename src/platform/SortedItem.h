// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableWidgetItem>

// The role of a cell's sort key.
constexpr int kSortRole = Qt::UserRole;

// A read-only cell of the teacher's tables that sorts by its sort key:
// numbers as numbers, texts the Polish way.
class SortedItem : public QTableWidgetItem {
public:
    SortedItem(const QString& text, const QVariant& key);

    bool operator<(const QTableWidgetItem& other) const override;
};
