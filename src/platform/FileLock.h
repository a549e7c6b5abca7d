#pragma once

#include <string>

// An exclusive lock between processes, held for the object's lifetime: one
// copy of the program at a time gets past the constructor for the same lock
// file, the others wait. The lock file is created when missing and left in
// place. Where no lock can be had (a folder that cannot be written, a file
// system without locks) the object holds none and the caller goes on as the
// only writer: its own write then reports what is wrong.
class CFileLock {
public:
    explicit CFileLock(const std::string& path);
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

private:
    int m_fd;
};
