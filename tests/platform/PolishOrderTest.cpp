// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PolishOrder.h"

#include "platform/Cp1250.h"
#include "platform/PolishOrderNames.h"

#include <gtest/gtest.h>

#include <algorithm>

// The order of the CSV export and the class store.
TEST(PolishOrder, PupilsSortAsInAPolishClassRegister) {
    std::vector<std::string> names;
    for (const std::string& name : kNamesAsFound)
        names.push_back(Utf8ToCp1250(name));
    std::sort(names.begin(), names.end(), PolishLessCp1250);
    for (std::string& name : names)
        name = Cp1250ToUtf8(name);
    EXPECT_EQ(names, kNamesInPolishOrder);
}
