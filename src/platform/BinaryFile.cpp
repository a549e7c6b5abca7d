#include "platform/BinaryFile.h"

#include "platform/FileError.h"
#include "platform/SystemErrorText.h"

#include <atomic>
#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kTempNameAttempts = 100;
constexpr std::string_view kTempSuffix = ".tmp-";
constexpr size_t kReadChunk = 64 * 1024;

[[noreturn]] void ThrowReadError(const std::string& path, int error) {
    throw FileError(path, "nie można odczytać pliku (" + SystemErrorText(error) + ")");
}

[[noreturn]] void ThrowWriteError(const std::string& path, int error) {
    throw FileError(path, "nie można zapisać pliku (" + SystemErrorText(error) +
                              "); dotychczasowy plik pozostał bez zmian");
}

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now, so that a late write error (network folders report some
    // only here) is not missed; errno tells the reason on false.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Creates a fresh file beside path, named after it, readable as a new file
// of the user would be.
int CreateTempBeside(const std::string& path, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        tempPath = path + std::string(kTempSuffix) + std::to_string(::getpid()) + "-" +
                   std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void KeepPermissionsOf(const std::string& path, int fd) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0)
        ::fchmod(fd, existing.st_mode & 07777);
}

// Makes the rename itself durable. A folder that cannot be synced (some
// network file systems) still holds the complete new file, so this is not
// an error.
void SyncFolderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty())
        folder = ".";
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

} // namespace

std::string ReadBinaryFile(const std::string& path) {
    // Not blocking, so that a pipe or a device under the file's name cannot
    // hold the program before it is refused below.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0)
        ThrowReadError(path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        ThrowReadError(path, errno);
    if (!S_ISREG(info.st_mode))
        throw FileError(path, "to nie jest zwykły plik, tylko folder, potok lub urządzenie");
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char chunk[kReadChunk];
    for (;;) {
        const ssize_t got = ::read(file.Get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowReadError(path, errno);
        if (got == 0)
            return bytes;
        bytes.append(chunk, static_cast<size_t>(got));
    }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string tempPath;
    Descriptor temp(CreateTempBeside(path, tempPath));
    if (temp.Get() < 0)
        ThrowWriteError(path, errno);
    KeepPermissionsOf(path, temp.Get());
    const bool written = WriteAll(temp.Get(), bytes) && ::fsync(temp.Get()) == 0 && temp.Close();
    if (!written || ::rename(tempPath.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        ThrowWriteError(path, error);
    }
    SyncFolderOf(path);
}

void RemoveInterruptedWrites(const std::string& path) {
    const std::filesystem::path file(path);
    const std::string prefix = file.filename().string() + std::string(kTempSuffix);
    std::error_code error;
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    std::filesystem::directory_iterator entries(folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error))
        if (entries->path().filename().string().starts_with(prefix))
            std::filesystem::remove(entries->path(), error);
}
