// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ClassCache.h"
#include "teacher/ClassStore.h"

#include "ProgramFolderTest.h"
#include "platform/Cp1250.h"
#include "platform/FileFaults.h"
#include "platform/FileStamp.h"
#include "pupils/KeyStatsFile.h"
#include "pupils/PupilFolders.h"
#include "pupils/RunFiles.h"

#include "MadeRun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

namespace {

// A class whose summaries the last program run kept: Ala with runs of one
// lesson in two letter cases, one of them ended early, a lesson no longer
// in the list, and weak keys; Bartek who only ended a lesson early; and
// Celina who has not typed yet.
class ClassCacheTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        StatRecord endedEarly = RunOf("ABC", 300, 0, COleDateTime::FromDateTime(2026, 9, 1, 8));
        endedEarly.reservedValue1 = 40;
        StoreRunsOf(Pupils(), "Ala",
                    {RunOf("abc", 120, 2, COleDateTime::FromDateTime(2026, 9, 2, 8)), endedEarly,
                     RunOf("Żaba", 60, 10, COleDateTime::FromDateTime(2026, 10, 1, 9)),
                     RunOf("stara lekcja", 80, 5, COleDateTime::FromDateTime(2026, 8, 1))});
        StoreKeyPresses(Pupils(), "Ala", PressesWeakAtZDot());
        StoreRunsOf(Pupils(), "Bartek", {endedEarly});
        std::filesystem::create_directories(GetPupilFolder(Pupils(), "Celina"));
        RowsOfANewProgramRun(Pupils(), m_lessons);
    }

    static std::vector<PupilRow> RowsOfANewProgramRun(const PupilsFolder& pupils,
                                                      const std::vector<std::string>& lessons) {
        CClassStore store(pupils);
        return store.Refresh(lessons);
    }

    std::vector<PupilRow> RowsFromTheFiles(const std::vector<std::string>& lessons) const {
        std::vector<PupilRow> rows;
        for (const char* pupil : {"Ala", "Bartek", "Celina"})
            rows.push_back(ReadPupilRow(Pupils(), pupil, lessons));
        return rows;
    }

    const std::string m_cache = ClassCachePath(Pupils());
    const std::vector<std::string> m_lessons{"abc", Utf8ToCp1250("Żaba")};
};

// Any read of a stat.dat fails while it stands: a row that comes all the
// same comes from the cache.
CScopedFileFault NoStatFileCanBeRead() {
    return CScopedFileFault([](FileCall call, const std::string& path) {
        return call == FileCall::Read && path.ends_with("/stat.dat") ? EIO : 0;
    });
}

} // namespace

TEST_F(ClassCacheTest, TheNextProgramRunShowsTheRowsTheFilesGiveForAnyLessonsWithoutReadingThem) {
    ASSERT_TRUE(std::filesystem::exists(m_cache));
    const FileStamp written = FileStamp::Of(m_cache);
    const std::vector<std::vector<std::string>> lessonLists{
        m_lessons, {Utf8ToCp1250("ŻABA"), "nowa lekcja", "ABC", "Stara Lekcja"}, {}};
    for (const std::vector<std::string>& lessons : lessonLists) {
        const std::vector<PupilRow> fromTheFiles = RowsFromTheFiles(lessons);
        const CScopedFileFault noStatFile = NoStatFileCanBeRead();
        EXPECT_EQ(RowsOfANewProgramRun(Pupils(), lessons), fromTheFiles);
    }
    EXPECT_EQ(RowsFromTheFiles(m_lessons)[0].weakKeys, "ż");
    EXPECT_TRUE(RowsFromTheFiles(m_lessons)[1].lessons[0].OnlyEndedEarly());
    EXPECT_EQ(FileStamp::Of(m_cache), written) << "nothing changed, nothing written";
}

TEST_F(ClassCacheTest, APupilWhoseFilesChangedIsReadAgain) {
    StoreRunsOf(Pupils(), "Ala", {RunOf("abc", 200, 0, COleDateTime::FromDateTime(2026, 12, 1))});
    StoreKeyPresses(Pupils(), "Bartek", PressesWeakAtZDot());
    KeepRunFile(GetPupilFolder(Pupils(), "Celina"),
                RunOf("Żaba", 90, 1, COleDateTime::FromDateTime(2026, 12, 2)), {});
    const std::vector<PupilRow> rows = RowsOfANewProgramRun(Pupils(), m_lessons);
    EXPECT_EQ(rows, RowsFromTheFiles(m_lessons));
    EXPECT_EQ(rows[0].runs, 1);
    EXPECT_EQ(rows[1].weakKeys, "ż");
    EXPECT_EQ(rows[2].lessons[1].runs, 1);
    // The cache now holds them as they are.
    const CScopedFileFault noStatFile = NoStatFileCanBeRead();
    EXPECT_EQ(RowsOfANewProgramRun(Pupils(), m_lessons), rows);
}

TEST_F(ClassCacheTest, APupilWhoseFilesCannotBeReadIsNeverKept) {
    WriteFile(GetStatFilePath(Pupils(), "Ala"), "to nie są wyniki");
    WriteFile(GetStatFilePath(Pupils(), "Dawid"), "to też nie");
    const std::vector<PupilRow> rows = RowsOfANewProgramRun(Pupils(), m_lessons);
    EXPECT_NE(rows[0].problem, "");
    const CachedClass kept = LoadClassCache(m_cache, Pupils());
    EXPECT_FALSE(kept.contains("Ala"));
    EXPECT_FALSE(kept.contains("Dawid"));
    EXPECT_TRUE(kept.contains("Bartek"));
}

TEST_F(ClassCacheTest, ADamagedCacheFileIsIgnoredAndReplaced) {
    const std::string whole = ReadFile(m_cache);
    const std::vector<std::pair<const char*, std::function<std::string(std::string)>>> damages{
        {"cut short", [](std::string bytes) { return bytes.substr(0, bytes.size() - 9); }},
        {"a grade changed",
         [](std::string bytes) {
             // Ala's lesson "abc": its name, then its best grade.
             bytes[bytes.find("\x03"
                              "abc") +
                   4] += 1;
             return bytes;
         }},
        {"another kind of file", [](std::string) { return std::string("to nie jest klasa"); }},
        {"empty", [](std::string) { return std::string(); }},
    };
    for (const auto& [damage, damaged] : damages) {
        WriteFile(m_cache, damaged(whole));
        EXPECT_EQ(RowsOfANewProgramRun(Pupils(), m_lessons), RowsFromTheFiles(m_lessons)) << damage;
        EXPECT_EQ(LoadClassCache(m_cache, Pupils()).size(), 3u) << damage;
    }
}

// A pupils folder that moved keeps its files and their stamps, but the
// cache of its old place is not taken for it.
TEST_F(ClassCacheTest, TheCacheOfAnotherPupilsFolderIsNotUsed) {
    const PupilsFolder moved{m_program / "Data/Uczniowie"};
    std::filesystem::rename(Pupils().path, moved.path);
    std::filesystem::copy_file(m_cache, ClassCachePath(moved));
    ASSERT_NE(ClassCachePath(moved), m_cache);
    const CScopedFileFault noStatFile = NoStatFileCanBeRead();
    EXPECT_NE(RowsOfANewProgramRun(moved, m_lessons)[0].problem, "");
}
