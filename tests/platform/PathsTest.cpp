// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Paths.h"
#include "platform/ProgramContext.h"

#include <gtest/gtest.h>

TEST(Paths, FolderOfPathDropsTheLastNameAndTrailingSeparators) {
    EXPECT_EQ(GetFolderOfPath("C:\\Prog\\x.exe"), "C:\\Prog");
    EXPECT_EQ(GetFolderOfPath("C:\\Prog\\help\\index.htm"), "C:\\Prog\\help");
    EXPECT_EQ(GetFolderOfPath("C:\\a\\b\\"), "C:\\a");
    EXPECT_EQ(GetFolderOfPath("C:\\a\\b/"), "C:\\a");
    EXPECT_EQ(GetFolderOfPath("C:\\x.exe"), "C:");
    EXPECT_EQ(GetFolderOfPath("/home/ola/tastrum"), "/home/ola");
    EXPECT_EQ(GetFolderOfPath(""), "");
    EXPECT_EQ(GetFolderOfPath("name"), "");
}

TEST(Paths, SplitsAPathIntoItsParts) {
    EXPECT_EQ(GetDriveOfPath("C:\\Prog\\x.exe"), "C:");
    EXPECT_EQ(GetDriveOfPath("/usr/x"), "");
    EXPECT_EQ(GetDirectoryOfPath("C:\\Prog\\Data\\x.ini"), "\\Prog\\Data\\");
    EXPECT_EQ(GetExtensionOfPath("C:\\Data\\Lessons\\Lekcja.INI"), "INI");
    EXPECT_EQ(GetExtensionOfPath("C:\\Data\\Lessons\\Lekcja"), "");
    EXPECT_EQ(GetExtensionOfPath("/data.d/Lekcja"), "");
}

TEST(Paths, RemovesOnlyOneTrailingSeparator) {
    std::string path = "a//";
    RemoveTrailingSeparator(path);
    EXPECT_EQ(path, "a/");
    std::string empty;
    RemoveTrailingSeparator(empty);
    EXPECT_EQ(empty, "");
}

TEST(Paths, ProgramFoldersHangFromTheExecutable) {
    EXPECT_FALSE(ExecutableFolder().empty());
    const CProgramContext portable("/opt/tastrum/");
    EXPECT_EQ(portable.ProgramFolder(), "/opt/tastrum");
    EXPECT_EQ(portable.Folders().lessons, "/opt/tastrum/Data/Lessons");
}

TEST(Paths, ContainedRelativePathsAreFoundBelowTheirFolder) {
    EXPECT_EQ(ContainedRelativePath("teksty/bajka.txt"), "teksty/bajka.txt");
    EXPECT_EQ(ContainedRelativePath("a..b.txt"), "a..b.txt");
    EXPECT_EQ(ContainedRelativePath("/help/palce.htm"), "help/palce.htm");
    EXPECT_EQ(ContainedRelativePath("teksty/../ala.txt"), "ala.txt");
    EXPECT_EQ(ContainedRelativePath("./a//b/./c"), "a/b/c");
    EXPECT_EQ(ContainedRelativePath("../stat.dat"), std::nullopt);
    EXPECT_EQ(ContainedRelativePath("a/../../x"), std::nullopt);
    EXPECT_EQ(ContainedRelativePath("teksty/.."), std::nullopt);
    EXPECT_EQ(ContainedRelativePath("C:x"), std::nullopt);
    EXPECT_EQ(ContainedRelativePath("/"), std::nullopt);
    EXPECT_EQ(ContainedRelativePath(""), std::nullopt);
}

TEST(Paths, LessonPathsJoinOnlyInsideTheirFolder) {
    EXPECT_EQ(JoinLessonPath("/p/Data/Lessons", "teksty\\bajka.txt"),
              "/p/Data/Lessons/teksty/bajka.txt");
    EXPECT_EQ(JoinLessonPath("/p", "help/pa\xB3"
                                   "ce.htm"),
              "/p/help/pałce.htm");
    EXPECT_EQ(JoinLessonPath("/p", "..\\stat.dat"), "");
    EXPECT_EQ(JoinLessonPath("/p", "\\help\\palce.htm"), "/p/help/palce.htm");
    EXPECT_EQ(JoinLessonPath("/p", "/etc/passwd"), "/p/etc/passwd");
    EXPECT_EQ(JoinLessonPath("/p", ""), "");
    // The system would stop reading at the NUL, at the folder above.
    EXPECT_EQ(JoinLessonPath("/p", std::string("..\0/help/palce.htm", 18)), "");
}
