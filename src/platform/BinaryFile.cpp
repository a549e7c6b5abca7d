// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/BinaryFile.h"

#include "platform/FileError.h"
#include "platform/Format.h"
#include "platform/GroupShare.h"
#include "platform/InjectedFaults.h"
#include "platform/ReplaceClaim.h"
#include "platform/SystemErrorText.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kTempNameAttempts = 100;
constexpr std::string_view kTempSuffix = ".tmp-";
constexpr size_t kReadChunk = 64 * 1024;
constexpr auto kAbandonedAfter = std::chrono::minutes(1);
constexpr auto kLongestBusyWait = std::chrono::seconds(2);
constexpr auto kBusyPoll = std::chrono::milliseconds(20);
constexpr double kBytesInMegabyte = 1024.0 * 1024.0;

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

[[noreturn]] void ThrowTooBig(const std::string& path, size_t size, size_t maxBytes) {
    throw FileError(path,
                    "plik jest za duży (" +
                        FormatDecimalComma(static_cast<double>(size) / kBytesInMegabyte, 1) +
                        " MB; program czyta pliki do " +
                        FormatDecimalComma(static_cast<double>(maxBytes) / kBytesInMegabyte, 0) +
                        " MB), więc go nie odczytano");
}

// Fails as a test asked, setting errno; true when the call may go on.
bool Allowed(FileCall call, const std::string& path) {
    const int fault = InjectedFileFault(call, path);
    if (fault != 0)
        errno = fault;
    return fault == 0;
}

bool WriteAll(int fd, std::string_view bytes, const std::string& path) {
    if (!Allowed(FileCall::Write, path))
        return false;
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
    if (!Allowed(FileCall::Open, path))
        return -1;
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

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

void KeepPermissionsOf(const std::string& path, int fd) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0)
        ::fchmod(fd, existing.st_mode & 07777);
    else if (IsSharedWithGroup(FolderOf(path)))
        OpenFileToGroup(fd);
}

// Makes the rename itself durable. A folder that cannot be synced (some
// network file systems) still holds the complete new file, so this is not
// an error.
void SyncFolderOf(const std::string& path) {
    const Descriptor dir(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

} // namespace

std::optional<std::string> ReadBinaryFileIfPresent(const std::string& path, size_t maxBytes) {
    if (std::optional<std::string> stale; InjectedStaleBytes(path, stale))
        return stale;
    // Not blocking, so that a pipe or a device under the file's name cannot
    // hold the program before it is refused below.
    const Descriptor file(Allowed(FileCall::Open, path)
                              ? ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)
                              : -1);
    if (file.Get() < 0 && (errno == ENOENT || errno == ENOTDIR))
        return std::nullopt;
    if (file.Get() < 0)
        ThrowReadError(path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        ThrowReadError(path, errno);
    if (!S_ISREG(info.st_mode))
        throw FileError(path, "to nie jest zwykły plik, tylko folder, potok lub urządzenie");
    if (static_cast<uint64_t>(info.st_size) > maxBytes)
        ThrowTooBig(path, static_cast<size_t>(info.st_size), maxBytes);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char chunk[kReadChunk];
    for (;;) {
        const ssize_t got =
            Allowed(FileCall::Read, path) ? ::read(file.Get(), chunk, sizeof chunk) : -1;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowReadError(path, errno);
        if (got == 0)
            return bytes;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<size_t>(got) > maxBytes)
            ThrowTooBig(path, bytes.size() + static_cast<size_t>(got), maxBytes);
        bytes.append(chunk, static_cast<size_t>(got));
    }
}

std::string ReadBinaryFile(const std::string& path, size_t maxBytes) {
    std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, maxBytes);
    if (!bytes)
        ThrowReadError(path, ENOENT);
    return std::move(*bytes);
}

namespace {

// Removes the temporary file unless it was renamed over its target.
class TempFile {
public:
    explicit TempFile(std::string path) : m_path(std::move(path)) {}
    ~TempFile() {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Path() const { return m_path; }
    void Renamed() { m_path.clear(); }

private:
    std::string m_path;
};

// A share refuses for a moment to rename over a file another computer has
// open (EBUSY, or EEXIST); the rename is tried again for a short while.
void RenameOver(const std::string& tempPath, const std::string& path) {
    const auto giveUp = std::chrono::steady_clock::now() + kLongestBusyWait;
    for (;;) {
        if (Allowed(FileCall::Rename, path) && ::rename(tempPath.c_str(), path.c_str()) == 0)
            return;
        // Some SMB servers answer EEXIST, not EBUSY, while the other
        // computer holds the file.
        if ((errno != EBUSY && errno != EEXIST) || std::chrono::steady_clock::now() > giveUp)
            ThrowWriteError(path, errno);
        std::this_thread::sleep_for(kBusyPoll);
    }
}

// Writes the bytes to a temporary file beside path and renames it over path.
// With a stamp, the rename is done under a claim, and only while path still
// has that stamp: false when another writer replaced it meanwhile.
bool WriteThenRename(const std::string& path, std::string_view bytes,
                     const std::optional<FileStamp>& onlyIfStillStamped) {
    std::string tempPath;
    Descriptor temp(CreateTempBeside(path, tempPath));
    if (temp.Get() < 0)
        ThrowWriteError(path, errno);
    TempFile written(tempPath);
    KeepPermissionsOf(path, temp.Get());
    if (!WriteAll(temp.Get(), bytes, path) || ::fsync(temp.Get()) != 0 || !temp.Close())
        ThrowWriteError(path, errno);
    std::optional<CReplaceClaim> claim;
    if (onlyIfStillStamped) {
        RemoveInterruptedWrites(FolderOf(path), tempPath);
        claim.emplace(path);
        // A writer that stalled past its claim's time finds it taken over,
        // and leaves the file to the one that took it.
        if (!(FileStamp::Of(path) == *onlyIfStillStamped) || !claim->StillHeld())
            return false;
    }
    RenameOver(tempPath, path);
    written.Renamed();
    SyncFolderOf(path);
    return true;
}

} // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    WriteThenRename(path, bytes, std::nullopt);
}

void WriteUserFile(const std::string& path, std::string_view bytes) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0 || S_ISREG(target.st_mode)) {
        WriteFileAtomically(path, bytes);
        return;
    }
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (file.Get() < 0 || !WriteAll(file.Get(), bytes, path) || !file.Close())
        ThrowWriteError(path, errno);
}

bool CreateNewFile(const std::string& path, std::string_view bytes) {
    if (!Allowed(FileCall::Open, path))
        ThrowWriteError(path, errno);
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.Get() < 0 && errno == EEXIST)
        return false;
    if (file.Get() < 0)
        ThrowWriteError(path, errno);
    if (IsSharedWithGroup(FolderOf(path)))
        OpenFileToGroup(file.Get());
    if (!WriteAll(file.Get(), bytes, path) || ::fsync(file.Get()) != 0 || !file.Close()) {
        const int error = errno;
        ::unlink(path.c_str());
        ThrowWriteError(path, error);
    }
    return true;
}

bool ReplaceFileIfUnchanged(const std::string& path, std::string_view bytes,
                            const FileStamp& readStamp) {
    return WriteThenRename(path, bytes, readStamp);
}

void RemoveInterruptedWrites(const std::string& folder, const std::string& freshFile) {
    // The share's own clock, not this computer's, which may run ahead.
    std::error_code unknown;
    const auto now = std::filesystem::last_write_time(freshFile, unknown);
    if (unknown)
        return;
    const auto abandoned = now - kAbandonedAfter;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code ignored;
        if (entries->path().filename().string().find(kTempSuffix) != std::string::npos &&
            entries->last_write_time(ignored) < abandoned && !ignored)
            std::filesystem::remove(entries->path(), ignored);
    }
}
