// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/ImportText.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

StringList Import(const std::string& bytes) {
    TempFolder folder;
    WriteFile(folder / "text.txt", bytes);
    StringList lines{"before"};
    LoadImportText(folder / "text.txt", lines);
    return lines;
}

} // namespace

TEST(LoadImportText, CarriageReturnsEndLinesAndEmptyLinesVanish) {
    EXPECT_EQ(Import("a\r\n\r\nb"), (StringList{"before", "a", "b"}));
    EXPECT_EQ(Import("a\rb\r"), (StringList{"before", "a", "b"}));
}

// One CR LF pasted among Linux lines must not glue them together: each line
// end counts by itself.
TEST(LoadImportText, MixedLineEndsEachEndALine) {
    EXPECT_EQ(Import("one\ntwo\r\nthree\n"), (StringList{"before", "one", "two", "three"}));
    EXPECT_EQ(Import("a\rb\nc\r\n\n\rd"), (StringList{"before", "a", "b", "c", "d"}));
}

TEST(LoadImportText, WithoutAnyCarriageReturnALineFeedEndsTheLine) {
    EXPECT_EQ(Import("one\ntwo\n\nthree\n"), (StringList{"before", "one", "two", "three"}));
}

TEST(LoadImportText, ReadsWindows1250AndUtf8Alike) {
    const std::string utf8 = "Zażółć gęślą jaźń\r\nŁódź";
    const StringList expected{"before", Utf8ToCp1250("Zażółć gęślą jaźń"), Utf8ToCp1250("Łódź")};
    EXPECT_EQ(Import(Utf8ToCp1250(utf8)), expected);
    EXPECT_EQ(Import(utf8), expected);
    EXPECT_EQ(Import("\xEF\xBB\xBF" + utf8), expected);
}

TEST(LoadImportText, MissingFileAddsNothingAndAFolderThrows) {
    TempFolder folder;
    StringList lines;
    LoadImportText(folder / "missing.txt", lines);
    EXPECT_TRUE(lines.empty());
    EXPECT_THROW(LoadImportText(folder.Path(), lines), FileError);
}
