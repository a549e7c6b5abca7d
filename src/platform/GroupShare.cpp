// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/GroupShare.h"

#include <sys/stat.h>

bool IsSharedWithGroup(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           (info.st_mode & S_IWGRP) != 0;
}

void OpenFileToGroup(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) == 0)
        ::fchmod(fd, (info.st_mode & 07777) | S_IRGRP | S_IWGRP);
}

void OpenFolderToGroup(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0)
        ::chmod(folder.c_str(), (info.st_mode & 07777) | S_IRWXG | S_ISGID);
}
