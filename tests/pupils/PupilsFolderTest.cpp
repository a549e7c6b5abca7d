// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SchoolFolderFixture.h"
#include "platform/ProgramContext.h"

#include "platform/FileError.h"
#include "platform/FileFaults.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStatFile.h"
#include "pupils/PupilsFolderCheck.h"
#include "pupils/PupilsFolderSetup.h"
#include "pupils/StoreRun.h"
#include "teacher/CsvExport.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include <sys/stat.h>

namespace {

using testing::HasSubstr;

using PupilsFolderTest = SchoolFolderFixture;

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode;
}

} // namespace

// An unmounted share's mount point is an empty local folder: it must never
// be taken for the class.
TEST_F(PupilsFolderTest, AnEmptyFolderWithoutTheMarkIsNotTheClass) {
    EXPECT_THAT(PupilsFolderProblem(Pupils())->Problem(), HasSubstr("nie istnieje"));
    std::filesystem::create_directory(m_share);
    ASSERT_TRUE(PupilsFolderProblem(Pupils()).has_value());
    EXPECT_THAT(PupilsFolderProblem(Pupils())->what(), HasSubstr(m_share));
    EXPECT_THAT(PupilsFolderProblem(Pupils())->Problem(), HasSubstr("--init-pupils-folder"));

    EXPECT_THROW(StoreRun(Pupils(), "Ala", RunOf("Lekcja 1"), {}), FileError);
    EXPECT_TRUE(std::filesystem::is_empty(m_share));
    const PupilScan scan = ScanPupils(Pupils());
    EXPECT_TRUE(scan.folderProblem.has_value());
    std::vector<std::string> unreadable;
    EXPECT_THROW(ClassRunsCsv(Pupils(), unreadable), FileError);

    InitPupilsFolder(m_share, "");
    EXPECT_FALSE(PupilsFolderProblem(Pupils()).has_value());
    StoreRun(Pupils(), "Ala", RunOf("Lekcja 1"), {});
    CPupilStats stats;
    LoadPupilStats(Pupils(), "Ala", stats);
    EXPECT_EQ(stats.size(), 1u);
}

TEST_F(PupilsFolderTest, AFolderThatAlreadyHoldsPupilsGetsItsMarkOnFirstUse) {
    std::filesystem::create_directories(m_share + "/Ala");
    WriteFile(m_share + "/Ala/stat.dat", std::string(8, '\0'));
    EXPECT_FALSE(PupilsFolderProblem(Pupils()).has_value());
    EXPECT_TRUE(std::filesystem::exists(m_share + "/" + kPupilsFolderMark));
    StringList pupils;
    ListPupils(Pupils(), pupils);
    EXPECT_EQ(pupils, StringList{"Ala"}) << "the mark is no pupil";
}

TEST_F(PupilsFolderTest, AFileOrAnUnreadableFolderIsNotAnEmptyClass) {
    WriteFile(m_share, "to nie folder");
    EXPECT_THAT(PupilsFolderProblem(Pupils())->Problem(), HasSubstr("to nie jest folder"));

    std::filesystem::remove(m_share);
    InitPupilsFolder(m_share, "");
    const CScopedFileFault fault([this](FileCall call, const std::string& path) {
        return call == FileCall::Scan && path == m_share ? EACCES : 0;
    });
    ASSERT_TRUE(ScanPupils(Pupils()).folderProblem.has_value());
    EXPECT_THAT(ScanPupils(Pupils()).folderProblem->Problem(), HasSubstr("brak uprawnień"));
}

// What setting up a class folder for several accounts leaves behind.
TEST_F(PupilsFolderTest, SettingUpTheFolderOpensItAndWhatItHoldsToTheGroup) {
    std::filesystem::create_directories(m_share + "/Ala");
    WriteFile(m_share + "/Ala/stat.dat", "");
    chmod((m_share + "/Ala").c_str(), 0755);
    chmod((m_share + "/Ala/stat.dat").c_str(), 0644);
    InitPupilsFolder(m_share, "");
    EXPECT_EQ(ModeOf(m_share) & (S_ISGID | S_IRWXG), S_ISGID | S_IRWXG);
    EXPECT_EQ(ModeOf(m_share + "/Ala") & (S_ISGID | S_IRWXG), S_ISGID | S_IRWXG);
    EXPECT_EQ(ModeOf(m_share + "/Ala/stat.dat") & S_IWGRP, S_IWGRP);
    EXPECT_THROW(InitPupilsFolder(m_share, "nie-ma-takiej-grupy-tastrum"), FileError);
    EXPECT_THROW(InitPupilsFolder(m_server / "nie/ma/rodzica", ""), FileError);
}

TEST_F(PupilsFolderTest, FoldersWhoseNamesTheProgramCannotUseAreListedWithTheReason) {
    InitPupilsFolder(m_share, "");
    for (const char* name : {"Ola", "Иван", "Zosia\xB3", "\xF0\x9F\x98\x80"})
        std::filesystem::create_directory(m_share + "/" + name);
    const PupilScan scan = ScanPupils(Pupils());
    EXPECT_EQ(scan.names, StringList{"Ola"});
    ASSERT_EQ(scan.unlisted.size(), 3u);
    std::set<std::string> shown;
    for (const UnlistedPupil& pupil : scan.unlisted) {
        EXPECT_THAT(pupil.problem, HasSubstr("nazwa folderu"));
        shown.insert(pupil.folderName);
    }
    // The teacher sees each folder by the name it has, not as question marks.
    EXPECT_EQ(shown, (std::set<std::string>{"Иван", "Zosia\\xB3", "\xF0\x9F\x98\x80"}));

    std::vector<std::string> unreadable;
    const std::string csv = ClassRunsCsv(Pupils(), unreadable);
    EXPECT_EQ(unreadable.size(), 3u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 3);
}

// The school's lessons folder: the teachers' group writes it, every other
// account (the pupils) reads it, whatever the umask of whoever made it.
TEST_F(PupilsFolderTest, TheLessonsFolderIsTheTeachersToWriteAndThePupilsToRead) {
    const std::string lessons = m_server / "lekcje";
    ASSERT_EQ(mkdir(lessons.c_str(), 0700), 0);
    WriteFile(lessons + "/01 Szkolna.ini", "[LESSON]\r\nline=abc\r\n");
    chmod((lessons + "/01 Szkolna.ini").c_str(), 0600);
    InitLessonsFolder(lessons, "");
    EXPECT_EQ(ModeOf(lessons) & 07777, S_ISGID | 0775);
    EXPECT_EQ(ModeOf(lessons + "/01 Szkolna.ini") & 0777, 0664u);
    EXPECT_THROW(InitLessonsFolder(lessons, "nie-ma-takiej-grupy-tastrum"), FileError);
}
