// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileLock.h"

#include "platform/GroupShare.h"
#include "platform/InjectedFaults.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

int OpenLockFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (fd >= 0 && IsSharedWithGroup(folder.empty() ? "." : folder))
        OpenFileToGroup(fd);
    return fd;
}

// A holder that stalls (a program stopped in a debugger, a computer gone
// from the network with the lock still granted) must not hold the others
// for ever: past this the writer goes on without the lock, and its claim
// and stamp check keep the file whole.
constexpr auto kLongestLockWait = std::chrono::seconds(10);
constexpr auto kLockPoll = std::chrono::milliseconds(5);

bool LockWhole(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    const auto giveUp = std::chrono::steady_clock::now() + kLongestLockWait;
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
            return true;
        if (errno != EINTR && errno != EAGAIN && errno != EACCES)
            return false;
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        if (errno != EINTR)
            std::this_thread::sleep_for(kLockPoll);
    }
}

} // namespace

CFileLock::CFileLock(const std::string& path) : m_fd(-1) {
    if (InjectedFileFault(FileCall::Lock, path) != 0)
        return;
    m_fd = OpenLockFile(path);
    m_held = m_fd >= 0 && LockWhole(m_fd);
}

CFileLock::~CFileLock() {
    // Closing the only descriptor of the description releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}
