// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/LessonLines.h"
#include "lessons/RandomLessonSpec.h"
#include "platform/Cp1250.h"
#include "platform/Paths.h"

#include "ProgramFolderTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

namespace {

// A program folder of its own, with one lesson file in its Lessons folder.
class LessonLines : public ProgramFolderTest {
protected:
    std::string LessonsFolder() const { return m_program / "Data/Lessons"; }

    StringList Build(const std::string& lessonText) {
        WriteFile(LessonsFolder() + "/lesson.ini", lessonText);
        RandomEngine engine(7);
        return BuildLessonLines(LessonFile(LessonsFolder() + "/lesson.ini"), m_name, engine);
    }

    std::string ErrorLine() const { return "error in ini (lesson) file : " + m_name; }

    const std::string m_name = Utf8ToCp1250("Lekcja żółwia");
};

bool OnlyFrom(const std::string& line, const std::string& characters) {
    return line.find_first_not_of(characters) == std::string::npos;
}

} // namespace

TEST_F(LessonLines, ImportedLinesComeFirstThenFixedLinesThenDrills) {
    WriteFile(LessonsFolder() + "/teksty/żółw.txt", Utf8ToCp1250("pierwsza\r\ndruga"));
    const StringList lines = Build(Utf8ToCp1250("[RANDOM_LESSON]\nr=asdf|5|3|\n"
                                                "[LESSON]\nz=zet\na=a\nm=em\n"
                                                "[Special]\nImportText=teksty\\żółw.txt\n"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(StringList(lines.begin(), lines.begin() + 5),
              (StringList{"pierwsza", "druga", "zet", "a", "em"}));
    const std::string& drill = lines[5];
    ASSERT_EQ(drill.size(), 17u);
    EXPECT_EQ(drill[5], ' ');
    EXPECT_EQ(drill[11], ' ');
    EXPECT_TRUE(OnlyFrom(drill.substr(0, 5) + drill.substr(6, 5) + drill.substr(12), "asdf"));
}

TEST_F(LessonLines, DrillsReadTheirNumbersLikeAtolAndUnusableOnesBecomeErrorLines) {
    const StringList lines = Build("[RANDOM_LESSON]\n"
                                   "a=ab|5x|2|--\n"
                                   "b=ab|-5|3|\n"
                                   "c=|0|3|-\n"
                                   "d=asdf|5|3\n"
                                   "e=a|b|5|3|\n"
                                   "f=|5|3|\n"
                                   "g=ab|99999999999999999999999|1|\n"
                                   "h=ab|1000|1000|\n"
                                   "i=abcd|1000|1|\n");
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0].size(), 12u);
    EXPECT_EQ(lines[0].substr(5, 2), "--");
    EXPECT_EQ(lines[1], "  ");
    EXPECT_EQ(lines[2], "--");
    for (int i = 3; i < 8; ++i)
        EXPECT_EQ(lines[i], ErrorLine()) << i;
    for (char c : std::string("abcd"))
        EXPECT_NE(lines[8].find(c), std::string::npos);
}

// Separators stand only between groups: a drill of exactly 100 000
// characters is typed, one of 100 001 is a mistake in the lesson.
TEST_F(LessonLines, ADrillMayBeExactlyAHundredThousandCharactersLong) {
    const StringList lines = Build("[RANDOM_LESSON]\n"
                                   "a=ab|49999|2|--\n"
                                   "b=ab|100000|1|-\n"
                                   "c=ab|50000|2|\n"
                                   "d=ab|100001|1|-\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), 100000u);
    EXPECT_EQ(lines[0].substr(49999, 2), "--");
    EXPECT_TRUE(OnlyFrom(lines[0].substr(0, 49999) + lines[0].substr(50001), "ab"));
    EXPECT_EQ(lines[1].size(), 100000u);
    EXPECT_TRUE(OnlyFrom(lines[1], "ab"));
    EXPECT_EQ(lines[2], ErrorLine());
    EXPECT_EQ(lines[3], ErrorLine());
}

TEST_F(LessonLines, ImportPathsOutsideTheLessonsFolderImportNothing) {
    WriteFile(m_program / "Data/secret.txt", "secret");
    WriteFile(LessonsFolder() + "/own.txt", "own");
    for (const std::string& path : StringList{"../secret.txt", "sub/../../secret.txt",
                                              "..\\secret.txt", m_program / "Data/secret.txt",
                                              "missing.txt", std::string("..\0/secret.txt", 14)}) {
        EXPECT_EQ(Build("[Special]\nImportText=" + path + "\n[LESSON]\nx=fixed\n"),
                  (StringList{"fixed"}))
            << path;
    }
    EXPECT_EQ(Build("[Special]\nImportText=./own.txt\n"), (StringList{"own"}));
}

// A teacher may link a shared text into the Lessons folder on purpose.
TEST_F(LessonLines, LinksPutInsideTheLessonsFolderAreFollowed) {
    WriteFile(m_program / "shared/wiersz.txt", "wiersz");
    std::filesystem::create_directories(LessonsFolder());
    std::filesystem::create_symlink(m_program / "shared", LessonsFolder() + "/wspolne");
    EXPECT_EQ(Build("[Special]\nImportText=wspolne/wiersz.txt\n"), (StringList{"wiersz"}));
}

TEST_F(LessonLines, TheDrillsOfOneLessonTakeAtMostTheirBoundTogether) {
    std::string lesson = "[RANDOM_LESSON]\n";
    for (int i = 0; i < 25; ++i)
        lesson += "d=a|999|100|\n"; // 99,999 characters each
    const StringList lines = Build(lesson);
    ASSERT_EQ(lines.size(), 25u);
    size_t total = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i < 20) {
            EXPECT_EQ(lines[i].size(), 99999u) << i;
            total += lines[i].size();
        } else {
            EXPECT_EQ(lines[i], ErrorLine()) << i;
        }
    }
    EXPECT_LE(total, static_cast<size_t>(kMaxDrillTextOfLesson));
}

TEST(ParseLeadingLong, ReadsLikeAtolButHoldsAtTheLimits) {
    EXPECT_EQ(ParseLeadingLong("5x"), 5);
    EXPECT_EQ(ParseLeadingLong("x5"), 0);
    EXPECT_EQ(ParseLeadingLong(" \t-12 3"), -12);
    EXPECT_EQ(ParseLeadingLong("- 7"), 0);
    EXPECT_EQ(ParseLeadingLong("99999999999999999999999"), LONG_MAX);
    EXPECT_EQ(ParseLeadingLong("-99999999999999999999999"), LONG_MIN);
}
