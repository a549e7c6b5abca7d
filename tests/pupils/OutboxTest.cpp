// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SchoolFolderFixture.h"
#include "platform/ProgramContext.h"

#include "platform/FileError.h"
#include "pupils/Outbox.h"
#include "pupils/PupilStatFile.h"
#include "pupils/PupilsFolderSetup.h"
#include "pupils/StoreRun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using OutboxTest = SchoolFolderFixture;

CPupilStats Stored(const PupilsFolder& pupils, const std::string& pupil) {
    CPupilStats stats;
    LoadPupilStats(pupils, pupil, stats);
    return stats;
}

std::vector<std::string> OutboxFiles(const std::string& outbox) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(outbox))
        if (entry.path().extension() == ".run")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST_F(OutboxTest, RunsFinishedWhileTheShareIsAwayAreStoredOnceItIsBackOldestFirst) {
    KeepInOutbox(Outbox(), "Ala", RunOf("Lekcja 1", 100), {{'a', 1}});
    KeepInOutbox(Outbox(), "Ola", RunOf("Lekcja 1", 110), {});
    KeepInOutbox(Outbox(), "Ala", RunOf("Lekcja 2", 200), {{'a', 2}, {'b', 1}});
    EXPECT_EQ(CountOutbox(Outbox()), 3);

    OutboxDelivery delivery = DeliverOutbox(Outbox(), Pupils());
    EXPECT_EQ(delivery.delivered, 0);
    EXPECT_EQ(delivery.waiting, 3);
    EXPECT_NE(delivery.problem.find(m_share), std::string::npos) << delivery.problem;
    EXPECT_FALSE(std::filesystem::exists(m_share));

    InitPupilsFolder(m_share, "");
    delivery = DeliverOutbox(Outbox(), Pupils());
    EXPECT_EQ(delivery.delivered, 3);
    EXPECT_EQ(delivery.waiting, 0);
    EXPECT_EQ(CountOutbox(Outbox()), 0);
    const CPupilStats ala = Stored(Pupils(), "Ala");
    ASSERT_EQ(ala.size(), 2u);
    EXPECT_EQ(ala[0].lesson, "Lekcja 1");
    EXPECT_EQ(ala[1].lesson, "Lekcja 2");
    EXPECT_EQ(ala.m_charErrors, (CharErrorArray{{'a', 3}, {'b', 1}}));
    EXPECT_EQ(Stored(Pupils(), "Ola").size(), 1u);
}

// A delivery cut short after the run reached the pupil's file, before the
// outbox file went, must not store the run twice; nor may two copies of one
// run that waited (delivered by two computers at once, where locks do not
// work).
TEST_F(OutboxTest, ARunIsDeliveredExactlyOnce) {
    KeepInOutbox(Outbox(), "Ala", RunOf("Lekcja 1"), {{'a', 1}});
    const std::string kept = OutboxFiles(m_context.Folders().outbox).front();
    const std::string bytes = ReadFile(kept);
    InitPupilsFolder(m_share, "");
    EXPECT_EQ(DeliverOutbox(Outbox(), Pupils()).delivered, 1);

    WriteFile(kept + ".delivering", bytes);
    EXPECT_EQ(DeliverOutbox(Outbox(), Pupils()).delivered, 1);
    EXPECT_EQ(Stored(Pupils(), "Ala").size(), 1u);
    EXPECT_EQ(Stored(Pupils(), "Ala").m_charErrors, (CharErrorArray{{'a', 1}}));
    EXPECT_EQ(CountOutbox(Outbox()), 0);

    KeepInOutbox(Outbox(), "Ala", RunOf("Lekcja 1"), {});
    KeepInOutbox(Outbox(), "Ala", RunOf("Lekcja 1"), {});
    EXPECT_EQ(DeliverOutbox(Outbox(), Pupils()).delivered, 2);
    EXPECT_EQ(Stored(Pupils(), "Ala").size(), 1u);
}

TEST_F(OutboxTest, ADamagedOutboxFileIsSetAsideAndTheOthersGoOn) {
    InitPupilsFolder(m_share, "");
    KeepInOutbox(Outbox(), "Ala", RunOf("Lekcja 1"), {});
    WriteFile(m_context.Folders().outbox + "/00000000000000000001-1-0.run", "zepsuty");
    const OutboxDelivery delivery = DeliverOutbox(Outbox(), Pupils());
    EXPECT_EQ(delivery.delivered, 1);
    EXPECT_FALSE(delivery.problem.empty());
    EXPECT_EQ(Stored(Pupils(), "Ala").size(), 1u);
    EXPECT_EQ(CountOutbox(Outbox()), 0);
    EXPECT_TRUE(std::filesystem::exists(m_context.Folders().outbox +
                                        "/00000000000000000001-1-0.run.nieczytelny"));
}

// A waiting run whose pupil's name is no pupil's ("../../x", from a damaged
// or planted file) never leads out of the pupils folder: it is set aside,
// and the others go on.
TEST_F(OutboxTest, ARunForANameThatIsNoPupilsIsSetAside) {
    InitPupilsFolder(m_share, "");
    KeepInOutbox(Outbox(), "../../x", RunOf("Lekcja 1"), {});
    KeepInOutbox(Outbox(), "Ala", RunOf("Lekcja 2"), {});
    const OutboxDelivery delivery = DeliverOutbox(Outbox(), Pupils());
    EXPECT_EQ(delivery.delivered, 1);
    EXPECT_NE(delivery.problem.find("Imię ucznia"), std::string::npos) << delivery.problem;
    EXPECT_EQ(Stored(Pupils(), "Ala").size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(m_share) / "../../x"));
    EXPECT_EQ(CountOutbox(Outbox()), 0);
}
