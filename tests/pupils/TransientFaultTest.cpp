// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilsFixture.h"
#include "platform/ProgramContext.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileFaults.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStatFile.h"
#include "pupils/StoreRun.h"
#include "teacher/ClassStore.h"
#include "teacher/CsvExport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace {

using TransientFaultTest = PupilsFixture;

// Fails one kind of call on the pupil's stat.dat, as a share does for a
// moment.
CScopedFileFault FailOnStatFile(FileCall failing, int error) {
    return CScopedFileFault([failing, error](FileCall call, const std::string& path) {
        return call == failing && path.ends_with("/stat.dat") ? error : 0;
    });
}

} // namespace

// Only "no such file" means a pupil without runs. Any other failure of a
// look at the file leaves the history as it was and is reported, to the
// store and to every reader.
TEST_F(TransientFaultTest, AShareThatFailsForAMomentNeverWipesAHistory) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {{'a', 1}});
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2"), {});
    const std::string history = ReadFile(GetStatFilePath(Pupils(), "Ala"));

    for (const int error : {EIO, ESTALE, EACCES})
        for (const FileCall call : {FileCall::Open, FileCall::Read}) {
            SCOPED_TRACE(testing::Message()
                         << "errno " << error << ", call " << static_cast<int>(call));
            const CScopedFileFault fault = FailOnStatFile(call, error);
            EXPECT_THROW(StoreRun(Pupils(), "Ala", MakeRun("Lekcja 3"), {}), FileError);
            CPupilStats stats;
            EXPECT_THROW(LoadPupilStats(Pupils(), "Ala", stats), FileError);
            EXPECT_FALSE(ReadPupilRow(Pupils(), "Ala", {"Lekcja 1"}).problem.empty());
            std::vector<std::string> unreadable;
            ClassRunsCsv(Pupils(), unreadable);
            EXPECT_EQ(unreadable.size(), 1u);
            EXPECT_EQ(ReadFile(GetStatFilePath(Pupils(), "Ala")), history);
        }

    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 3"), {});
    CPupilStats stats;
    LoadPupilStats(Pupils(), "Ala", stats);
    EXPECT_EQ(stats.size(), 3u);
    EXPECT_EQ(stats.m_charErrors, (CharErrorArray{{'a', 1}}));
}

TEST_F(TransientFaultTest, AFailedCheckOfThePupilsFolderStoresNothing) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {});
    const std::string history = ReadFile(GetStatFilePath(Pupils(), "Ala"));
    const CScopedFileFault fault([this](FileCall call, const std::string& path) {
        return call == FileCall::Check && path == PupilsFolder() ? EIO : 0;
    });
    EXPECT_THROW(StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2"), {}), FileError);
    EXPECT_THROW(StoreRun(Pupils(), "Ola", MakeRun("Lekcja 2"), {}), FileError);
    EXPECT_EQ(ReadFile(GetStatFilePath(Pupils(), "Ala")), history);
    EXPECT_FALSE(std::filesystem::exists(GetPupilFolder(Pupils(), "Ola")));
}

TEST_F(TransientFaultTest, AFailedWriteOrRenameKeepsTheOldFileAndNoTemporaryOne) {
    StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {});
    const std::string history = ReadFile(GetStatFilePath(Pupils(), "Ala"));
    for (const FileCall call : {FileCall::Write, FileCall::Rename}) {
        const CScopedFileFault fault = FailOnStatFile(call, EIO);
        EXPECT_THROW(StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2"), {}), FileError);
        EXPECT_EQ(ReadFile(GetStatFilePath(Pupils(), "Ala")), history);
    }
    size_t files = 0, runs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GetPupilFolder(Pupils(), "Ala")))
        ++(entry.path().filename().string().starts_with("wynik-") ? runs : files);
    EXPECT_EQ(files, 2u) << "stat.dat and its lock only";
    EXPECT_EQ(runs, 1u) << "the stored run's own file, none of a run not stored";
}

TEST_F(TransientFaultTest, AStatFileTooBigToReadIsRefusedWithItsName) {
    MakePupilFolder(Pupils(), "Ala");
    const std::string path = GetStatFilePath(Pupils(), "Ala");
    WriteFile(path, "");
    std::filesystem::resize_file(path, kMaxStatFileBytes + 1);
    try {
        StoreRun(Pupils(), "Ala", MakeRun("Lekcja 1"), {});
        ADD_FAILURE() << "a huge stat.dat was read";
    } catch (const FileError& error) {
        EXPECT_EQ(error.Path(), path);
        EXPECT_NE(error.Problem().find("za duży"), std::string::npos) << error.what();
    }
    EXPECT_EQ(std::filesystem::file_size(path), kMaxStatFileBytes + 1);
    std::vector<std::string> unreadable;
    ClassRunsCsv(Pupils(), unreadable);
    EXPECT_EQ(unreadable.size(), 1u);
}

// A stat.dat that the run would take past what every reader reads is left
// as it is: the run is kept in a file of its own, the pupil is told, and
// every run stays readable.
TEST_F(TransientFaultTest, AStatFileAtItsLargestKeepsEveryRunReadable) {
    CPupilStats full;
    full.push_back(MakeRun(std::string(kMaxStatFileBytes - 100, 'a')));
    MakePupilFolder(Pupils(), "Ala");
    SavePupilStats(Pupils(), "Ala", full);
    const std::string before = ReadFile(GetStatFilePath(Pupils(), "Ala"));

    const StoreRunResult result = StoreRun(Pupils(), "Ala", MakeRun("Lekcja 2"), {{'a', 1}});
    EXPECT_NE(result.notice.find("największy rozmiar"), std::string::npos) << result.notice;
    EXPECT_TRUE(ReadFile(GetStatFilePath(Pupils(), "Ala")) == before);
    CPupilStats stats;
    LoadPupilStats(Pupils(), "Ala", stats);
    ASSERT_EQ(stats.size(), 2u);
    EXPECT_EQ(stats[1].lesson, "Lekcja 2");
}
