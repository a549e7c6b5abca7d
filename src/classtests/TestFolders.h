// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The folders of one test beside its sprawdzian.txt, made with the test so
// that every pupil's account of the class can write them.
inline constexpr std::string_view kResultsFolder = "wyniki";
inline constexpr std::string_view kStartedFolder = "rozpoczete";
inline constexpr std::string_view kExtraFolder = "dodatkowe";
inline constexpr std::array<std::string_view, 3> kTestSubfolders{kResultsFolder, kStartedFolder,
                                                                 kExtraFolder};

// Makes the folder, writable for the group when the pupils folder is shared
// with one; false when it is there already. Throws FileError when it cannot.
bool MakeSharedFolder(const PupilsFolder& pupils, const std::string& folder);

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
