// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableView>

// Keeps a table's first column in place while the other columns scroll
// sideways: a second view of the same model and selection, showing only
// that column, lies over the table's left edge and follows its rows, sizes
// and sorting. A class of many lessons keeps every row's pupil in sight.
class CFrozenFirstColumn : public QTableView {
    Q_OBJECT

public:
    explicit CFrozenFirstColumn(QTableView& table);

    // Places the column over the table again; the table calls it when its
    // geometry or first column's width changes.
    void Follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView& m_table;
};
