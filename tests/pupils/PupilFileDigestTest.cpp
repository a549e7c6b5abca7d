// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilFileDigest.h"

#include "ProgramFolderTest.h"
#include "TempFolder.h"
#include "platform/ProgramContext.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Counts the digests made, so a test sees when the file was read.
struct CountedDigest {
    CountedDigest() { ++made; }
    void Add(const StatRecord&) { ++runs; }
    size_t runs = 0;
    static inline int made = 0;
};

using PupilFileDigestTest = ProgramFolderTest;

void SaveRuns(const std::string& pupil, size_t count) {
    CPupilStats stats;
    stats.resize(count);
    std::filesystem::create_directories(GetPupilFolder(ContextPupilsFolder(), pupil));
    stats.Save(GetStatFilePath(ContextPupilsFolder(), pupil));
}

} // namespace

// A file is read again only when it changed or another pupil is asked for;
// one that cannot be read now is forgotten, never shown from the last look.
TEST_F(PupilFileDigestTest, ReadsAFileAgainOnlyWhenItChangedOrAnotherPupilIsAsked) {
    SaveRuns("Ala", 1);
    CPupilFileDigest<CountedDigest> digest;
    const int before = CountedDigest::made;
    EXPECT_EQ(digest.Load(ContextPupilsFolder(), "Ala").runs, 1u);
    EXPECT_EQ(digest.Load(ContextPupilsFolder(), "Ala").runs, 1u);
    EXPECT_EQ(CountedDigest::made, before + 1);

    EXPECT_EQ(digest.Load(ContextPupilsFolder(), "Ola").runs, 0u)
        << "a pupil without a file has no runs";
    EXPECT_EQ(digest.Load(ContextPupilsFolder(), "Ala").runs, 1u);
    EXPECT_EQ(CountedDigest::made, before + 3);

    SaveRuns("Ala", 2);
    EXPECT_EQ(digest.Load(ContextPupilsFolder(), "Ala").runs, 2u);
    WriteFile(GetStatFilePath(ContextPupilsFolder(), "Ala"), "zepsuty");
    EXPECT_ANY_THROW(digest.Load(ContextPupilsFolder(), "Ala"));
    EXPECT_ANY_THROW(digest.Load(ContextPupilsFolder(), "Ala"));
}
