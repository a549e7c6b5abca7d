// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramFolders.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// Sets an environment variable for the test's length.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(ProgramFolders, AFolderWithDataIsPortableWhereverItLies) {
    TempFolder root;
    std::filesystem::create_directories(root / "bin/Data");
    std::filesystem::create_directories(root / "share/tastrum");
    const ProgramFolders folders = FindProgramFolders(root / "bin");
    EXPECT_EQ(folders.program, root / "bin");
    EXPECT_EQ(folders.lessons, root / "bin/Data/Lessons");
    EXPECT_EQ(folders.ownLessons, "");
    EXPECT_EQ(folders.pupils.path, root / "bin/Data/Pupils");
    EXPECT_FALSE(folders.pupils.setBySchool);
    EXPECT_EQ(FindProgramFolders(root / "opt/x").program, root / "opt/x");
}

TEST(ProgramFolders, AnInstalledProgramKeepsEachUsersFilesInTheirDataFolder) {
    TempFolder root;
    std::filesystem::create_directories(root / "usr/bin");
    std::filesystem::create_directories(root / "usr/share/tastrum");
    const ScopedEnvironment data("XDG_DATA_HOME", root / "home/.data");
    const ProgramFolders folders = FindProgramFolders(root / "usr/bin");
    EXPECT_EQ(folders.program, root / "usr/share/tastrum");
    EXPECT_EQ(folders.lessons, root / "usr/share/tastrum/Lessons");
    EXPECT_EQ(folders.ownLessons, root / "home/.data/tastrum/Lessons");
    EXPECT_EQ(folders.pupils.path, root / "home/.data/tastrum/Pupils");
    EXPECT_EQ(folders.outbox, root / "home/.data/tastrum/Outbox");

    const ScopedEnvironment relative("XDG_DATA_HOME", "relative/data");
    const ScopedEnvironment home("HOME", root / "home");
    EXPECT_EQ(UserDataFolder(), root / "home/.local/share/tastrum");
}

// What the program only keeps to be quicker goes to the user's cache folder,
// and nowhere when the user has none.
TEST(ProgramFolders, TheUsersCacheFolder) {
    TempFolder root;
    const ScopedEnvironment cache("XDG_CACHE_HOME", root / "cache");
    EXPECT_EQ(UserCacheFolder(), root / "cache/tastrum");
    const ScopedEnvironment relative("XDG_CACHE_HOME", "relative/cache");
    const ScopedEnvironment home("HOME", root / "home");
    EXPECT_EQ(UserCacheFolder(), root / "home/.cache/tastrum");
    const ScopedEnvironment homeless("HOME", "");
    EXPECT_EQ(UserCacheFolder(), "");
}

TEST(ProgramFolders, ASchoolsFoldersJoinEitherLayout) {
    TempFolder root;
    const ProgramFolders folders =
        FindProgramFolders(root.Path(), "/mnt/klasa/uczniowie/", "/mnt/klasa/lekcje/");
    EXPECT_EQ(folders.pupils.path, "/mnt/klasa/uczniowie");
    EXPECT_TRUE(folders.pupils.setBySchool);
    EXPECT_EQ(folders.lessons, root / "Data/Lessons");
    EXPECT_EQ(folders.schoolLessons, "/mnt/klasa/lekcje");
    // Runs that cannot reach the share wait on this computer.
    EXPECT_EQ(folders.outbox, root / "Data/Outbox");
}
