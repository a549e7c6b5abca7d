// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SortedList.h"

#include "platform/PolishOrderNames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::string> Utf8(const QStringList& texts) {
    std::vector<std::string> utf8;
    for (const QString& text : texts)
        utf8.push_back(text.toStdString());
    return utf8;
}

} // namespace

// The windows' lists and the class window's table sort names in the very
// order of the CSV export.
TEST(SortedList, NamesStandInTheOrderOfTheExports) {
    QStringList names;
    for (const std::string& name : kNamesAsFound)
        names << QString::fromStdString(name);
    QStringList sorted = names;
    std::stable_sort(sorted.begin(), sorted.end(), PolishLess);
    EXPECT_EQ(Utf8(sorted), kNamesInPolishOrder);

    SortedListWidget list;
    for (const QString& name : names)
        list.AddSorted(name);
    QStringList listed;
    for (int row = 0; row < list.count(); ++row)
        listed << list.item(row)->text();
    EXPECT_EQ(Utf8(listed), kNamesInPolishOrder);
}
