#include "platform/FileLock.h"

#include "platform/FileFaults.h"
#include "platform/GroupShare.h"

#include <cerrno>
#include <filesystem>

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

bool LockWhole(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    int result = 0;
    while ((result = ::fcntl(fd, F_OFD_SETLKW, &whole)) != 0 && errno == EINTR) {
    }
    return result == 0;
}

} // namespace

CFileLock::CFileLock(const std::string& path) : m_fd(-1) {
    const int fault = InjectedFileFault(FileCall::Lock, path);
    if (fault == kLockWithoutExcluding) {
        m_held = true;
        return;
    }
    if (fault != 0)
        return;
    m_fd = OpenLockFile(path);
    m_held = m_fd >= 0 && LockWhole(m_fd);
}

CFileLock::~CFileLock() {
    // Closing the only descriptor of the description releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}
