// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// An exclusive lock between processes, held for the object's lifetime: one
// copy of the program at a time gets past the constructor for the same lock
// file, the others wait. It is a POSIX record lock on an open file
// description, which Linux forwards to the server on NFS (with its lock
// service) and SMB, so it also holds between computers sharing a folder.
// The lock file is created when missing (writable for the group in a folder
// shared with it) and left in place.
//
// Where no lock can be had (a folder that cannot be written, a lock file of
// another account, a file system without locks, a holder that keeps it for
// over ten seconds) the object holds none: Held() says so, and the caller
// must check its own work.
class CFileLock {
public:
    explicit CFileLock(const std::string& path);
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    bool Held() const { return m_held; }

private:
    int m_fd;
    bool m_held = false;
};
