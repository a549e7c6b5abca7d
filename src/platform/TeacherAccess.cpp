// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TeacherAccess.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"

#include <algorithm>
#include <sstream>

#include <grp.h>
#include <sodium.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kMarkName = "/.tastrum-pupils";
constexpr const char* kConfigName = "/tastrum.conf";
constexpr const char* kPasswordName = "/haslo-nauczyciela";
constexpr size_t kMostConfigBytes = 64 * 1024;

// A file of root's that only root can write: what a pupil cannot have made.
bool IsAdministrators(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == 0 &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// TeacherGroup= of the [General] section of the administrator's
// tastrum.conf.
std::optional<gid_t> TeacherGroupOf(const std::string& config) {
    if (!IsAdministrators(config))
        return std::nullopt;
    std::istringstream lines(ReadBinaryFile(config, kMostConfigBytes));
    std::string line, section = "[General]";
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.starts_with('['))
            section = line;
        else if (section == "[General]" && line.starts_with("TeacherGroup=")) {
            const std::string name = Trimmed(line.substr(line.find('=') + 1));
            if (const group* found = ::getgrnam(name.c_str()))
                return found->gr_gid;
        }
    }
    return std::nullopt;
}

std::vector<gid_t> OwnGroups() {
    std::vector<gid_t> groups(static_cast<size_t>(std::max(0, ::getgroups(0, nullptr))));
    groups.resize(static_cast<size_t>(std::max(0, ::getgroups(static_cast<int>(groups.size()),
                                                              groups.data()))));
    groups.push_back(::getgid());
    return groups;
}

std::optional<uid_t> OwnerOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return info.st_uid;
}

} // namespace

TeacherAccessFacts GatherTeacherAccessFacts(const PupilsFolder& pupils,
                                            const std::string& administratorsFolder) {
    TeacherAccessFacts facts;
    facts.classFolder = pupils.setBySchool;
    facts.account = ::geteuid();
    facts.groups = OwnGroups();
    facts.markOwner = OwnerOf(pupils.path + kMarkName);
    try {
        facts.teacherGroup = TeacherGroupOf(administratorsFolder + kConfigName);
    } catch (const FileError&) {
    }
    facts.passwordSet = IsAdministrators(administratorsFolder + kPasswordName);
    return facts;
}

TeacherAccess DecideTeacherAccess(const TeacherAccessFacts& facts) {
    const bool inGroup = facts.teacherGroup &&
                         std::find(facts.groups.begin(), facts.groups.end(),
                                   *facts.teacherGroup) != facts.groups.end();
    if (!facts.classFolder || facts.account == 0 || facts.markOwner == facts.account || inGroup)
        return TeacherAccess::Granted;
    return facts.passwordSet ? TeacherAccess::NeedsPassword : TeacherAccess::Refused;
}

std::string WhoGrantsTeacherAccess() {
    return "Widok nauczyciela (przegląd klasy, raporty i eksport wyników) udostępnia "
           "administrator: członkom grupy podanej jako TeacherGroup= w " +
           std::string(kAdministratorsFolder) + kConfigName +
           " albo po podaniu hasła nauczyciela, które ustawia poleceniem "
           "sudo tastrum --set-teacher-password.";
}

void SetTeacherPassword(const std::string& administratorsFolder, const std::string& password) {
    const std::string path = administratorsFolder + kPasswordName;
    if (sodium_init() < 0)
        throw FileError(path, "nie działa biblioteka libsodium");
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw FileError(path, "za mało pamięci, by zapisać hasło");
    WriteFileAtomically(path, std::string(hash) + "\n");
    ::chmod(path.c_str(), 0644);
}

bool IsTeacherPassword(const std::string& administratorsFolder, const std::string& password) {
    const std::string path = administratorsFolder + kPasswordName;
    if (sodium_init() < 0 || !IsAdministrators(path))
        return false;
    std::string hash;
    try {
        hash = Trimmed(ReadBinaryFile(path, crypto_pwhash_STRBYTES + 16));
    } catch (const FileError&) {
        return false;
    }
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}
