// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ProgramFolders.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Who may see a school class: in a class folder the teacher's views (the
// class overview, the reports, the exports) are the administrator's to
// grant, never a pupil's to take with --teacher or a setting of their own.
// At home, without a class folder, whoever runs the program for a teacher
// has them.

// Where the administrator keeps the settings pupils cannot write: the
// system's tastrum.conf (TeacherGroup=) and the teacher's password hash.
constexpr const char* kAdministratorsFolder = "/etc/xdg/tastrum";

// What decides: the account, the class folder's mark, and the
// administrator's grants (trusted only in files of root that nobody else
// can write).
struct TeacherAccessFacts {
    bool classFolder = false;
    uid_t account = 0;
    std::vector<gid_t> groups; // the account's own groups
    std::optional<uid_t> markOwner;
    std::optional<gid_t> teacherGroup; // TeacherGroup= of the administrator
    bool passwordSet = false;
};

enum class TeacherAccess { Granted, NeedsPassword, Refused };

TeacherAccessFacts GatherTeacherAccessFacts(const PupilsFolder& pupils,
                                            const std::string& administratorsFolder);

// Root, the owner of the class folder's mark and the members of the
// administrator's TeacherGroup have the views; with a teacher's password
// set, another account has them once it gives the password.
TeacherAccess DecideTeacherAccess(const TeacherAccessFacts& facts);

// What a refused account is told (UTF-8).
std::string WhoGrantsTeacherAccess();

// The teacher's password kept only as a salted, slow hash (libsodium's
// crypto_pwhash), in the administrator's folder. Throws FileError when the
// file cannot be written.
void SetTeacherPassword(const std::string& administratorsFolder, const std::string& password);
bool IsTeacherPassword(const std::string& administratorsFolder, const std::string& password);
