#include "platform/FileLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CFileLock::CFileLock(const std::string& path)
    : m_fd(::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666)) {
    if (m_fd < 0)
        return;
    while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

CFileLock::~CFileLock() {
    // Closing the descriptor releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}
