// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SortedList.h"

#include "platform/PolishOrder.h"
#include "platform/QtText.h"

namespace {

// The first row whose text sorts after text, so equal texts keep the order
// in which they came.
template <typename TextAt> int SortedRow(int count, const QString& text, TextAt textAt) {
    int low = 0, high = count;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (PolishLess(text, textAt(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace

bool PolishLess(const QString& a, const QString& b) {
    return PolishOrderCp1250(ToCp1250(a), ToCp1250(b)) < 0;
}

int SortedListWidget::AddSorted(const QString& text) {
    const int row = SortedRow(count(), text, [this](int r) { return item(r)->text(); });
    insertItem(row, text);
    return row;
}

int SortedComboBox::AddSorted(const QString& text) {
    const int row = SortedRow(count(), text, [this](int r) { return itemText(r); });
    insertItem(row, text);
    return row;
}
