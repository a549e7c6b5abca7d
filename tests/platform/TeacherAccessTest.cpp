// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TeacherAccess.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(TeacherAccess, TheAdministratorGrantsTheTeachersViewOfAClass) {
    constexpr uid_t kPupil = 1001, kTeacher = 1002;
    constexpr gid_t kPupils = 500, kTeachers = 501;
    struct Row {
        const char* who;
        TeacherAccessFacts facts;
        TeacherAccess access;
    };
    const Row rows[] = {
        {"at home, without a class folder, nothing changes",
         {false, kPupil, {kPupils}, std::nullopt, std::nullopt, false}, TeacherAccess::Granted},
        {"a pupil of the class", {true, kPupil, {kPupils}, kTeacher, kTeachers, false},
         TeacherAccess::Refused},
        {"a member of TeacherGroup", {true, kTeacher, {kPupils, kTeachers}, 0, kTeachers, false},
         TeacherAccess::Granted},
        {"the owner of the class folder's mark", {true, kTeacher, {kPupils}, kTeacher, {}, false},
         TeacherAccess::Granted},
        {"root", {true, 0, {0}, kTeacher, {}, false}, TeacherAccess::Granted},
        {"a shared account, with a teacher's password set",
         {true, kPupil, {kPupils}, kTeacher, kTeachers, true}, TeacherAccess::NeedsPassword},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DecideTeacherAccess(row.facts), row.access) << row.who;
}

// The password is kept only as a slow salted hash, and only a file that
// root alone can write is believed.
TEST(TeacherAccess, ThePasswordIsKeptAsAHashThatOnlyItMatches) {
    if (geteuid() != 0)
        GTEST_SKIP() << "the administrator's files are root's; run the tests as root";
    TempFolder administrators;
    SetTeacherPassword(administrators.Path(), "tajne hasło");
    const std::string kept = ReadFile(administrators / "haslo-nauczyciela");
    EXPECT_EQ(kept.find("tajne"), std::string::npos);
    EXPECT_TRUE(kept.starts_with("$argon2id$"));
    EXPECT_TRUE(IsTeacherPassword(administrators.Path(), "tajne hasło"));
    EXPECT_FALSE(IsTeacherPassword(administrators.Path(), "tajne haslo"));
    chmod((administrators / "haslo-nauczyciela").c_str(), 0666);
    EXPECT_FALSE(IsTeacherPassword(administrators.Path(), "tajne hasło"))
        << "a file a pupil could write is no proof";
}
