// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderScan.h"
#include "platform/StringList.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

StringList ScanTitles(const std::string& folder) {
    StringList titles;
    CFolderScan scan;
    scan.Open(folder);
    while (scan.Next())
        titles.push_back(scan.GetFileTitle() + (scan.IsDirectory() ? "/" : ""));
    std::sort(titles.begin(), titles.end());
    return titles;
}

} // namespace

TEST(FolderScan, ListsEveryEntryOnceWithTitlesAndPaths) {
    TempFolder folder;
    WriteFile(folder / "b.ini", "");
    WriteFile(folder / ".hidden", "");
    WriteFile(folder / "Anna.K/stat.dat", "");
    EXPECT_EQ(ScanTitles(folder.Path()), (StringList{"", "Anna/", "b"}));
    EXPECT_EQ(ScanTitles(folder.Path() + "/"), ScanTitles(folder.Path()));

    CFolderScan scan;
    scan.Open(folder.Path() + "/Anna.K");
    ASSERT_TRUE(scan.Next());
    EXPECT_EQ(scan.GetFilePath(), folder.Path() + "/Anna.K/stat.dat");
    EXPECT_EQ(scan.GetFileName(), "stat.dat");
    EXPECT_FALSE(scan.Next());
    EXPECT_FALSE(scan.Next());
}

TEST(FolderScan, TitleOfAPathKeepsBackslashesAndEarlierDots) {
    EXPECT_EQ(GetFileTitleOfPath("/data/Lessons/Lekcja 1.ini"), "Lekcja 1");
    EXPECT_EQ(GetFileTitleOfPath("/data.d/a.b.ini"), "a.b");
    EXPECT_EQ(GetFileTitleOfPath("/data/a\\b.ini"), "a\\b");
    EXPECT_EQ(GetFileTitleOfPath("noext"), "noext");
}

TEST(FolderScan, MissingOrEmptyFolderListsNothing) {
    TempFolder folder;
    EXPECT_TRUE(ScanTitles(folder.Path()).empty());
    EXPECT_TRUE(ScanTitles(folder / "missing").empty());
}

TEST(FileExists, AnswersForFilesAndFolders) {
    TempFolder folder;
    WriteFile(folder / "a.txt", "x");
    EXPECT_TRUE(FileExists(folder / "a.txt"));
    EXPECT_TRUE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder / "b.txt"));
    EXPECT_FALSE(FileExists(""));
}

TEST(SplitString, KeepsEmptyPieces) {
    StringList pieces{"kept"};
    EXPECT_EQ(SplitString("abc|5|3|", '|', pieces), 4);
    EXPECT_EQ(pieces, (StringList{"kept", "abc", "5", "3", ""}));
    StringList two;
    EXPECT_EQ(SplitString("a||b", '|', two), 3);
    EXPECT_EQ(two, (StringList{"a", "", "b"}));
    StringList one;
    EXPECT_EQ(SplitString("", '|', one), 1);
    EXPECT_EQ(one, StringList{""});
}
