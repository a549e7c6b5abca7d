// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/LessonFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

StringList Values(const LessonFile& lesson, const std::string& section) {
    StringList values;
    lesson.ReadSectionValues(section, values);
    return values;
}

StringList Keys(const LessonFile& lesson, const std::string& section) {
    StringList keys;
    lesson.ReadSectionKeys(section, keys);
    return keys;
}

} // namespace

TEST(LessonFile, ReadsWhatATeacherWroteByHand) {
    TempFolder folder;
    WriteFile(folder / "a.ini", "; a comment\r\n"
                                "  [ general ]  \r\n"
                                "# description=commented out\r\n"
                                "  DESCRIPTION  =  Pierwsza lekcja  \r\n"
                                "[LESSON]\n"
                                "z = \"  spaces kept  \"\n"
                                "a='single'\n"
                                "just text without an equals sign\n"
                                "  ; x=commented out\n"
                                "  # line=commented out too\n"
                                "m = \"only one pair\"\"\n"
                                "o = \"opening quote only\n"
                                "q='\n"
                                "[General]\r"
                                "line=ignored\r"
                                "[lesson]\r"
                                "line=first\r"
                                "line=\r"
                                "LINE=third; not a comment\r");
    const LessonFile lesson(folder / "a.ini");
    EXPECT_EQ(lesson.ReadString("General", "description", "x"), "Pierwsza lekcja");
    EXPECT_EQ(Keys(lesson, "lesson"),
              (StringList{"z", "a", "m", "o", "q", "line", "line", "LINE"}));
    EXPECT_EQ(Values(lesson, "LESSON"),
              (StringList{"  spaces kept  ", "single", "only one pair\"", "\"opening quote only",
                          "'", "first", "", "third; not a comment"}));
    EXPECT_EQ(lesson.ReadString("LESSON", "Line", ""), "first");
}

TEST(LessonFile, MissingPartsGiveDefaults) {
    TempFolder folder;
    WriteFile(folder / "empty.ini", "no sections at all\nkey=value\n");
    for (const LessonFile& lesson :
         {LessonFile(folder / "empty.ini"), LessonFile(folder / "none.ini")}) {
        EXPECT_EQ(lesson.ReadString("General", "description", "default"), "default");
        EXPECT_TRUE(Values(lesson, "LESSON").empty());
    }
}

TEST(LessonFile, ReadsWindows1250AndUtf8AlikeWithPolishNamesInAnyCase) {
    TempFolder folder;
    const std::string utf8 = "[Żółć]\nŁĄka=Gęślą jaźń → €\n";
    WriteFile(folder / "cp1250.ini", Utf8ToCp1250(utf8));
    WriteFile(folder / "utf8.ini", utf8);
    WriteFile(folder / "bom.ini", "\xEF\xBB\xBF" + utf8);
    for (const char* name : {"cp1250.ini", "utf8.ini", "bom.ini"}) {
        const LessonFile lesson(folder / name);
        EXPECT_EQ(lesson.ReadString(Utf8ToCp1250("żÓŁć"), Utf8ToCp1250("łąKA"), ""),
                  Utf8ToCp1250("Gęślą jaźń ? €"))
            << name;
    }
}

TEST(LessonFile, LongValuesAreCutAndKeyNamesBeyondTheirRoomAreLeftOut) {
    TempFolder folder;
    const std::string longValue(3000, 'x');
    // 2047 keys of 7 characters and a terminator fill 16376 bytes; with the
    // final byte, a key of 6 characters fills the 16384 bytes exactly, and
    // one of 7 does not fit.
    std::string lesson = "[General]\ndescription=" + longValue + "\n[LESSON]\n";
    for (int i = 0; i < 2047; ++i)
        lesson += "k" + std::to_string(100000 + i) + "=v\n";
    WriteFile(folder / "fits.ini", lesson + "last06=v\nafter=v\n");
    WriteFile(folder / "over.ini", lesson + "last007=v\n");

    const LessonFile fits(folder / "fits.ini");
    EXPECT_EQ(fits.ReadString("General", "description", ""), longValue.substr(0, 2046));
    const StringList keys = Keys(fits, "LESSON");
    ASSERT_EQ(keys.size(), 2048u);
    EXPECT_EQ(keys[2046], "k102046");
    EXPECT_EQ(keys.back(), "last06");
    EXPECT_EQ(Values(fits, "LESSON").size(), 2048u);

    const LessonFile over(folder / "over.ini");
    EXPECT_EQ(Keys(over, "LESSON").back(), "k102046");
    EXPECT_EQ(Values(over, "LESSON").size(), 2047u);
    // A key left out of the lists is still read by its name.
    EXPECT_EQ(over.ReadString("LESSON", "last007", ""), "v");
}

TEST(LessonFile, FileThatCannotBeReadThrowsNamingIt) {
    TempFolder folder;
    WriteFile(folder / "folder.ini/inside", "");
    const LessonFile lesson(folder / "folder.ini");
    EXPECT_THROW(Values(lesson, "LESSON"), FileError);
    try {
        lesson.ReadString("General", "description", "");
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(folder / "folder.ini"), std::string::npos);
    }
}
