// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PupilsFixture.h"
#include "platform/ProgramContext.h"

#include "pupils/NewPupil.h"
#include "pupils/PupilFolders.h"

#include <gmock/gmock.h>

#include <filesystem>

namespace {

using testing::IsEmpty;
using testing::Not;
using testing::UnorderedElementsAre;

using PupilRegistryTest = PupilsFixture;

StringList PupilNames(const PupilsFolder& pupils) {
    StringList names;
    ListPupils(pupils, names);
    return names;
}

// Everything below the program folder, to show that nothing was made.
std::vector<std::string> Tree(const std::string& folder) {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

TEST_F(PupilRegistryTest, PupilsAreTheWholeNamesOfTheFoldersInThePupilsFolder) {
    StringList names;
    EXPECT_EQ(ListPupils(Pupils(), names), 0);

    // Sprawdziany holds the class's tests, not a pupil.
    for (const char* folder : {"Ala", "Jan.Kowalski", "Ola.", "Łucja", "Иван", "Sprawdziany"})
        std::filesystem::create_directories(PupilsFolder() + "/" + folder);
    WriteFile(PupilsFolder() + "/stat.dat", "");
    WriteFile(PupilsFolder() + "/notatki.txt", "");

    names = {"already there"};
    EXPECT_EQ(ListPupils(Pupils(), names), 4);
    EXPECT_EQ(names.front(), "already there");
    EXPECT_THAT(StringList(names.begin() + 1, names.end()),
                UnorderedElementsAre("Ala", "Jan.Kowalski", "Ola.", "\xA3ucja"));
}

TEST_F(PupilRegistryTest, ANewPupilGetsAFolderUnderTheTypedNameAndThePupilsFolderIfMissing) {
    EXPECT_EQ(AddNewPupil(Pupils(), "  Żaneta Nowak "), "");
    EXPECT_TRUE(std::filesystem::is_directory(PupilsFolder() + "/Żaneta Nowak"));
    EXPECT_EQ(PupilNames(Pupils()), StringList{"\xAF"
                                               "aneta Nowak"});
}

TEST_F(PupilRegistryTest, AnExistingNameInAnyCaseMakesNothingNew) {
    std::filesystem::create_directories(PupilsFolder() + "/Łucja");
    const auto before = Tree(m_program.Path());
    EXPECT_EQ(AddNewPupil(Pupils(), "Łucja"), "");
    EXPECT_EQ(AddNewPupil(Pupils(), "łUCJA"), "");
    EXPECT_EQ(Tree(m_program.Path()), before);
}

TEST_F(PupilRegistryTest, NamesNoPupilFolderCanHaveAreRefusedWithAReason) {
    std::filesystem::create_directories(PupilsFolder());
    const auto before = Tree(m_program.Path());
    for (const std::string& name : StringList{
             "", "   ", ".", "..", "../Ala", "Ala/Ola", "..\\Ala", "a:b", "Ala?", "tab\there",
             "Иван", std::string(256, 'a'), std::string("Ala\0Ola", 7), "Ala\u0081", "Ala\u009F",
             "\u00A0", "\u00AD", " \u00A0\u00AD ", "sprawdziany"}) {
        EXPECT_THAT(AddNewPupil(Pupils(), name), Not(IsEmpty())) << name;
    }
    EXPECT_EQ(Tree(m_program.Path()), before);
    EXPECT_EQ(AddNewPupil(Pupils(), std::string(255, 'a')), "");
}
