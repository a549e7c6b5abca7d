// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Where the program finds its files, in one of two layouts:
// - portable: everything in the program folder, as `make run` lays it out
//   (lessons in Data/Lessons, pupils in Data/Pupils);
// - installed: the program in bin/, what ships with it in share/tastrum/
//   beside bin/, and each user's own lessons and pupils in
//   $XDG_DATA_HOME/tastrum/.
// Where the pupils' folders lie. A pupils folder the school set is never
// created by the program: a share that is not mounted must not be replaced
// by a local folder.
struct PupilsFolder {
    std::string path;
    bool setBySchool = false;
};

// A school may put the pupils folder and a folder of its own lessons
// anywhere, such as a server's share.
struct ProgramFolders {
    std::string program;       // help, error.wav and the documents lessons open
    std::string lessons;       // the lessons that ship with the program
    std::string schoolLessons; // the lessons the school shares; empty when not set
    std::string ownLessons;    // the user's own lessons; empty when portable
    PupilsFolder pupils;
    // Runs that could not reach the pupils folder wait here: Data/Outbox
    // when portable, $XDG_DATA_HOME/tastrum/Outbox when installed.
    std::string outbox;
};

ProgramFolders PortableFolders(const std::string& programFolder);

// The layout of the program whose executable lies in executableFolder:
// portable when that folder holds Data/, installed when ../share/tastrum
// lies beside it, portable otherwise. pupilsFolder and lessonsFolder, when
// not empty, are the folders the school set.
ProgramFolders FindProgramFolders(const std::string& executableFolder,
                                  const std::string& pupilsFolder = {},
                                  const std::string& lessonsFolder = {});

// $XDG_DATA_HOME/tastrum, or ~/.local/share/tastrum when it is not set.
std::string UserDataFolder();
// $XDG_CACHE_HOME/tastrum, or ~/.cache/tastrum when it is not set; empty
// when neither it nor the home folder is known.
std::string UserCacheFolder();
