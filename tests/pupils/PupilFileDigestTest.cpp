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

void SaveRuns(const PupilsFolder& pupils, const std::string& pupil, size_t count) {
    CPupilStats stats;
    stats.resize(count);
    std::filesystem::create_directories(GetPupilFolder(pupils, pupil));
    stats.Save(GetStatFilePath(pupils, pupil));
}

} // namespace

// A file is read again only when it changed or another pupil is asked for;
// one that cannot be read now is forgotten, never shown from the last look.
TEST_F(PupilFileDigestTest, ReadsAFileAgainOnlyWhenItChangedOrAnotherPupilIsAsked) {
    SaveRuns(Pupils(), "Ala", 1);
    CPupilFileDigest<CountedDigest> digest;
    const int before = CountedDigest::made;
    EXPECT_EQ(digest.Load(Pupils(), "Ala").runs, 1u);
    EXPECT_EQ(digest.Load(Pupils(), "Ala").runs, 1u);
    EXPECT_EQ(CountedDigest::made, before + 1);

    EXPECT_EQ(digest.Load(Pupils(), "Ola").runs, 0u) << "a pupil without a file has no runs";
    EXPECT_EQ(digest.Load(Pupils(), "Ala").runs, 1u);
    EXPECT_EQ(CountedDigest::made, before + 3);

    SaveRuns(Pupils(), "Ala", 2);
    EXPECT_EQ(digest.Load(Pupils(), "Ala").runs, 2u);
    WriteFile(GetStatFilePath(Pupils(), "Ala"), "zepsuty");
    EXPECT_ANY_THROW(digest.Load(Pupils(), "Ala"));
    EXPECT_ANY_THROW(digest.Load(Pupils(), "Ala"));
}
