// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/ClassTestFile.h"

#include "ClassTestFixture.h"
#include "platform/FileError.h"
#include "pupils/PupilsFolderSetup.h"

#include <filesystem>
#include <random>

namespace {

using ClassTestFile = ClassTestFixture;

TEST_F(ClassTestFile, ATestSetReadsBackAsItWasSet) {
    ClassTest test = MakeTest();
    test.attemptsAllowed = 2;
    test.aidsAllowed = true;
    test.ownMarks = OwnMarks{{{0, 100}, {80, 10}, {120, 5}, {160, 3}, {200, 1.5}, {260, 0.25}}};
    test.id = AddClassTest(m_pupils, test);
    EXPECT_EQ(test.id, "dyktando-osme");
    EXPECT_EQ(LoadClassTest(m_pupils, test.id), test);

    ClassTest plain = MakeTest("Dyktando ósme");
    plain.id = AddClassTest(m_pupils, plain);
    EXPECT_EQ(plain.id, "dyktando-osme-2") << "a second test of that name gets its own folder";
    EXPECT_EQ(LoadClassTest(m_pupils, plain.id), plain);
    EXPECT_EQ(ReadFile(m_pupils.path + "/Sprawdziany/dyktando-osme-2/sprawdzian.txt"),
              "tastrum sprawdzian 1\nnazwa=Dyktando ósme\nod=2026-12-07\ndo=2026-12-11\n"
              "czas=300\npodejscia=1\npomoce=0\noceny=program\n[tekst]\nŹdźbło trawy\n\n"
              "ala ma kota\n");
}

TEST_F(ClassTestFile, EditingATestRewritesOnlyItsFileAndKeepsItsResults) {
    ClassTest test = MakeTest();
    test.id = AddClassTest(m_pupils, test);
    const std::string folder = ClassTestFolder(m_pupils, test.id);
    WriteFile(folder + "/wyniki/Ala-1.txt", "wynik");
    test.openTo = test.openFrom; // closed early
    SaveClassTest(m_pupils, test);
    EXPECT_EQ(LoadClassTest(m_pupils, test.id).openTo, test.openFrom);
    EXPECT_EQ(ReadFile(folder + "/wyniki/Ala-1.txt"), "wynik");
}

TEST_F(ClassTestFile, AFolderNameIsSafeWhateverTheTestIsCalled) {
    EXPECT_EQ(TestIdFromName("Żółć, gęś i ŁOŚ!"), "zolc-ges-i-los");
    EXPECT_EQ(TestIdFromName("../../etc/passwd"), "etc-passwd");
    EXPECT_EQ(TestIdFromName(".."), "sprawdzian");
    EXPECT_EQ(TestIdFromName("a\tb\x01/c"), "a-b-c");
    EXPECT_EQ(TestIdFromName(std::string(100, 'x')), std::string(40, 'x'));
}

TEST_F(ClassTestFile, ATestThatCannotBeSetIsRefusedBeforeAnythingIsWritten) {
    ClassTest test = MakeTest();
    test.timeLimitSeconds = 59;
    EXPECT_THROW(AddClassTest(m_pupils, test), FileError);
    test = MakeTest();
    test.openTo = test.openFrom - std::chrono::days{1};
    EXPECT_THROW(AddClassTest(m_pupils, test), FileError);
    test = MakeTest("Test ☃"); // no Windows-1250 code for the snowman
    EXPECT_THROW(AddClassTest(m_pupils, test), FileError);
    EXPECT_FALSE(std::filesystem::exists(m_pupils.path + "/Sprawdziany"));
}

// Each of these must be refused with a message naming the file, never read
// as a test and never crash.
TEST_F(ClassTestFile, DamagedForeignAndHugeFilesAreRefused) {
    const std::string good = EncodeClassTest(MakeTest());
    const std::vector<std::pair<std::string, std::string>> files{
        {"empty", ""},
        {"foreign", "[Lesson]\nname=abc\n"},
        {"newer version", "tastrum sprawdzian 2\nnazwa=x\n"},
        {"cut before the text", good.substr(0, good.find("[tekst]"))},
        {"cut inside a line", good.substr(0, good.find("do=") + 5)},
        {"not UTF-8", "tastrum sprawdzian 1\nnazwa=\xB3\xF3\x64\x9F\n[tekst]\nx\n"},
        {"unknown key", "tastrum sprawdzian 1\nnazwa=x\nod=2026-12-07\ndo=2026-12-08\n"
                        "oceny=program\nkolor=niebieski\n[tekst]\nx\n"},
        {"repeated key", "tastrum sprawdzian 1\nnazwa=x\nnazwa=y\n[tekst]\nx\n"},
        {"bad date", "tastrum sprawdzian 1\nnazwa=x\nod=2026-02-30\ndo=2026-12-08\n"
                     "oceny=program\n[tekst]\nx\n"},
        {"time out of range", "tastrum sprawdzian 1\nnazwa=x\nod=2026-12-07\ndo=2026-12-08\n"
                              "czas=5000\noceny=program\n[tekst]\nx\n"},
        {"limit not a number", "tastrum sprawdzian 1\nnazwa=x\nod=2026-12-07\ndo=2026-12-08\n"
                               "oceny=własne\nocena1=0 100\nocena2=nan 5\nocena3=1 1\n"
                               "ocena4=1 1\nocena5=1 1\nocena6=1 1\n[tekst]\nx\n"},
        {"a missing mark", "tastrum sprawdzian 1\nnazwa=x\nod=2026-12-07\ndo=2026-12-08\n"
                           "oceny=własne\nocena1=0 100\n[tekst]\nx\n"},
        {"no text", "tastrum sprawdzian 1\nnazwa=x\nod=2026-12-07\ndo=2026-12-08\n"
                    "oceny=program\n[tekst]\n"},
        {"text outside Windows-1250", "tastrum sprawdzian 1\nnazwa=x\nod=2026-12-07\n"
                                      "do=2026-12-08\noceny=program\n[tekst]\n日本\n"},
        {"huge", "tastrum sprawdzian 1\nnazwa=x\n[tekst]\n" + std::string(3 << 20, 'a')},
    };
    for (const auto& [what, bytes] : files) {
        WriteFile(m_pupils.path + "/Sprawdziany/t/sprawdzian.txt", bytes);
        try {
            LoadClassTest(m_pupils, "t");
            ADD_FAILURE() << what << " was read as a test";
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find("sprawdzian.txt"), std::string::npos) << what;
        }
    }
}

TEST_F(ClassTestFile, NoPrefixOfAGoodFileNorRandomBytesCrashTheReader) {
    ClassTest test = MakeTest();
    test.ownMarks = OwnMarks{};
    const std::string good = EncodeClassTest(test);
    for (size_t length = 0; length < good.size(); ++length) {
        try {
            ParseClassTest(good.substr(0, length), "t", "t");
        } catch (const FileError&) {
        }
    }
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = good;
        for (int flips = 0; flips < 4; ++flips)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        try {
            EXPECT_TRUE(ClassTestProblem(ParseClassTest(bytes, "t", "t")).empty());
        } catch (const FileError&) {
        }
    }
}

TEST_F(ClassTestFile, TheListNamesEveryTestAndWhyOneCannotBeRead) {
    EXPECT_TRUE(ListClassTests(m_pupils).empty()) << "no folder of tests yet";
    AddClassTest(m_pupils, MakeTest("Zebra"));
    AddClassTest(m_pupils, MakeTest("Ćma"));
    WriteFile(m_pupils.path + "/Sprawdziany/zepsuty/sprawdzian.txt", "śmieci");
    const std::vector<ListedClassTest> tests = ListClassTests(m_pupils);
    ASSERT_EQ(tests.size(), 3u);
    EXPECT_EQ(tests[0].test.name, "Ćma");
    EXPECT_EQ(tests[1].test.name, "Zebra");
    EXPECT_EQ(tests[2].id, "zepsuty");
    EXPECT_EQ(tests[2].problem, "to nie jest plik sprawdzianu programu Tastrum");
}

} // namespace

// In a class folder shared with a group, a pupil's account adds its
// results and started attempts, but cannot change the test, give itself
// extra attempts, nor take away what another account wrote.
TEST_F(ClassTestFile, InAClassFolderOnlyTheTeacherWritesTheTestAndItsExtraAttempts) {
    InitPupilsFolder(m_pupils.path, "");
    m_pupils.setBySchool = true;
    const std::string id = AddClassTest(m_pupils, MakeTest());
    const auto mode = [](const std::string& folder) {
        return std::filesystem::status(folder).permissions();
    };
    using std::filesystem::perms;
    const std::string test = ClassTestFolder(m_pupils, id);
    for (const std::string& teachers : {test, test + "/dodatkowe"})
        EXPECT_EQ(mode(teachers) & perms::group_write, perms::none) << teachers;
    for (const std::string& pupils : {test + "/..", test + "/wyniki", test + "/rozpoczete"})
        EXPECT_EQ(mode(pupils) & (perms::group_write | perms::sticky_bit),
                  perms::group_write | perms::sticky_bit)
            << pupils;
}
