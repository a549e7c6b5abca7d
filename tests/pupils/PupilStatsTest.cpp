// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilsFixture.h"
#include "platform/ProgramContext.h"

#include "platform/FileError.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStatFile.h"

#include <gmock/gmock.h>

#include <filesystem>

namespace {

using testing::HasSubstr;

using PupilStatsTest = PupilsFixture;

} // namespace

TEST_F(PupilStatsTest, FilesLieInTheirPupilsFolder) {
    EXPECT_EQ(Pupils().path, m_program / "Data/Pupils");
    // "Łucja" in Windows-1250 becomes a folder named in UTF-8.
    EXPECT_EQ(GetPupilFolder(Pupils(), "\xA3"
                                       "ucja"),
              m_program / "Data/Pupils/Łucja");
    EXPECT_EQ(GetStatFilePath(Pupils(), "\xA3"
                                        "ucja"),
              m_program / "Data/Pupils/Łucja/stat.dat");
    EXPECT_EQ(GetStatFilePath(Pupils(), ""), m_program / "Data/Pupils/stat.dat");
}

TEST_F(PupilStatsTest, APupilWithoutAFileLeavesTheStoreAsItWas) {
    CPupilStats stats;
    stats.push_back(MakeRun("a"));
    LoadPupilStats(Pupils(), "Ala", stats);
    EXPECT_EQ(stats.size(), 1u);
}

TEST_F(PupilStatsTest, SavedStatsLoadBackAndAFailedLoadChangesNothing) {
    CPupilStats saved;
    saved.push_back(MakeRun("Lekcja 1"));
    saved.m_charErrors = {{'a', 2}};
    std::filesystem::create_directories(GetPupilFolder(Pupils(), "Ala"));
    SavePupilStats(Pupils(), "Ala", saved);
    CPupilStats loaded;
    LoadPupilStats(Pupils(), "Ala", loaded);
    EXPECT_EQ(static_cast<const CStatRecordArray&>(loaded), saved);
    EXPECT_EQ(loaded.m_charErrors, saved.m_charErrors);

    WriteFile(GetStatFilePath(Pupils(), "Ala"), "");
    try {
        LoadPupilStats(Pupils(), "Ala", loaded);
        ADD_FAILURE() << "an empty file was read";
    } catch (const FileError& error) {
        EXPECT_THAT(error.what(), HasSubstr(GetStatFilePath(Pupils(), "Ala")));
    }
    EXPECT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded.m_charErrors.size(), 1u);
}

TEST_F(PupilStatsTest, CharacterErrorsAddUpInOrderOfFirstError) {
    CPupilStats stats;
    stats.AddCharErrors('\xB9', 2); // ą
    stats.AddCharErrors('a', 1);
    stats.AddCharErrors('\xA5', 4); // Ą is a character of its own
    stats.AddCharErrors('\xB9', 3);
    stats.AddCharErrors('a', -1);
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'\xB9', 5}, {'a', 0}, {'\xA5', 4}}));

    stats.m_charErrors = {{'x', 2147483600}};
    stats.AddCharErrors('x', 100);
    EXPECT_EQ(stats.m_charErrors.front().count, 2147483647);
}

TEST_F(PupilStatsTest, RunsOfALessonAreSelectedIgnoringCaseOfPolishLetters) {
    CStatRecordArray runs;
    runs.push_back(MakeRun("\xA3\xA5KA \xAF\xD3\xA3W", 1)); // ŁĄKA ŻÓŁW
    runs.push_back(MakeRun("laka zolw", 2));
    runs.push_back(MakeRun("\xB3\xB9ka \xBF\xF3\xB3w", 3)); // łąka żółw
    runs.push_back(MakeRun("\xB3\xB9ka", 4));

    CStatRecordArray selected;
    selected.push_back(MakeRun("already there", 0));
    runs.SelectRunsOfLesson("\xA3\xB9ka \xBF\xF3\xB3W", selected); // Łąka żółW
    ASSERT_EQ(selected.size(), 3u);
    EXPECT_EQ(selected[1].charsPerMinute, 1);
    EXPECT_EQ(selected[2].charsPerMinute, 3);
}

TEST_F(PupilStatsTest, SavingKeepsTheFilesPermissions) {
    const std::string path = m_program / "stat.dat";
    CPupilStats stats;
    stats.Save(path);
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    stats.push_back(MakeRun("a"));
    stats.Save(path);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}
