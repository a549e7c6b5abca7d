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
                                "m = \"only one pair\"\"\n"
                                "[General]\r"
                                "line=ignored\r"
                                "[lesson]\r"
                                "line=first\r"
                                "line=\r"
                                "LINE=third; not a comment\r");
    const LessonFile lesson(folder / "a.ini");
    EXPECT_EQ(lesson.ReadString("General", "description", "x"), "Pierwsza lekcja");
    EXPECT_EQ(Keys(lesson, "lesson"), (StringList{"z", "a", "m", "line", "line", "LINE"}));
    EXPECT_EQ(Values(lesson, "LESSON"), (StringList{"  spaces kept  ", "single", "only one pair\"",
                                                    "first", "", "third; not a comment"}));
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
    // final byte one more such key would not fit.
    std::string lesson = "[General]\ndescription=" + longValue + "\n[LESSON]\n";
    for (int i = 0; i < 2048; ++i)
        lesson += "k" + std::to_string(100000 + i) + "=v\n";
    WriteFile(folder / "a.ini", lesson);

    const LessonFile file(folder / "a.ini");
    EXPECT_EQ(file.ReadString("General", "description", ""), longValue.substr(0, 2046));
    const StringList keys = Keys(file, "LESSON");
    ASSERT_EQ(keys.size(), 2047u);
    EXPECT_EQ(keys.back(), "k102046");
    EXPECT_EQ(Values(file, "LESSON").size(), 2047u);
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
