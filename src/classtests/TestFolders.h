// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The folders of one test beside its sprawdzian.txt, made with the test.
// Every pupil's account of the class writes the results and the attempts
// started; only the teacher the test itself and the extra attempts.
inline constexpr std::string_view kResultsFolder = "wyniki";
inline constexpr std::string_view kStartedFolder = "rozpoczete";
inline constexpr std::string_view kExtraFolder = "dodatkowe";
inline constexpr std::array<std::string_view, 2> kPupilsTestFolders{kResultsFolder, kStartedFolder};

// Who may add to a folder of the class's tests in a class folder shared
// with a group.
enum class FolderWriters {
    // Every account of the group adds files, and none takes away another's.
    Class,
    // Only the account that made it (the teacher's); the class reads it.
    Maker,
};

// Makes the folder, for the writers said when the pupils folder is shared
// with a group; false when it is there already. Throws FileError when it
// cannot.
bool MakeTestsFolder(const PupilsFolder& pupils, const std::string& folder, FolderWriters writers);

// The names of the folders, or of the other entries, in a folder; none when
// there is no such folder. Throws FileError when it cannot be read.
std::vector<std::string> SubfolderNames(const std::string& folder);
std::vector<std::string> FileNames(const std::string& folder);

// "<pupil's folder name>-<number>", and back: the pupil (Windows-1250) and
// the number of such a name; nothing for any other name.
std::string PupilNumberName(const std::string& pupil, int number);
struct PupilNumber {
    std::string pupil;
    int number = 0;
};
std::optional<PupilNumber> ParsePupilNumberName(std::string_view name);
