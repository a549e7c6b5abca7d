// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>
#include <QListWidget>

// Orders texts in the program's one Polish order (PolishOrderCp1250), so
// that the windows list names as the exports do: a, ą, b, c, ć, ..., letter
// case aside.
bool PolishLess(const QString& a, const QString& b);

// A list box that keeps its items sorted as they are added.
class SortedListWidget : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;
    // Inserts the text at its sorted place and returns that row.
    int AddSorted(const QString& text);
};

// A drop-down list that keeps its items sorted as they are added.
class SortedComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    int AddSorted(const QString& text);
};
