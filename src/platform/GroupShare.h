// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// A school's class folder is shared by several Linux accounts through one
// group: the folder is group-writable (and setgid, so what is made in it
// takes its group). What the program makes there must stay writable for the
// group whatever the user's umask, or the next account could not store a run.

// True when the folder is writable by its group.
bool IsSharedWithGroup(const std::string& folder);

// Adds the group's read and write bits to an open file.
void OpenFileToGroup(int fd);

// Adds the group's read, write and search bits, and setgid, to a folder.
void OpenFolderToGroup(const std::string& folder);
