// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilsFolderSetup.h"

#include "platform/FileError.h"
#include "platform/SystemErrorText.h"
#include "pupils/PupilsFolderCheck.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const std::string& path, const std::string& what, int error) {
    throw FileError(path, what + " (" + SystemErrorText(error) + ")");
}

gid_t GroupId(const std::string& group) {
    errno = 0;
    const struct group* entry = ::getgrnam(group.c_str());
    if (!entry)
        throw FileError(group, "nie ma takiej grupy użytkowników");
    return entry->gr_gid;
}

// chown's "leave the group as it is".
constexpr gid_t kSameGroup = static_cast<gid_t>(-1);

// Group write for files, group write, search and setgid for folders; with
// others, reading for files and reading and search for folders too.
void ShareWithGroup(const std::string& path, gid_t gid, bool othersRead = false) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        Fail(path, "nie można sprawdzić uprawnień", errno);
    if (S_ISLNK(info.st_mode))
        return;
    if (gid != kSameGroup && ::chown(path.c_str(), static_cast<uid_t>(-1), gid) != 0)
        Fail(path, "nie można zmienić grupy", errno);
    mode_t added = S_ISDIR(info.st_mode) ? (S_IRWXG | S_ISGID) : (S_IRGRP | S_IWGRP);
    if (othersRead)
        added |= S_ISDIR(info.st_mode) ? (S_IROTH | S_IXOTH) : S_IROTH;
    if (::chmod(path.c_str(), (info.st_mode & 07777) | added) != 0)
        Fail(path, "nie można zmienić uprawnień", errno);
}

// Makes the folder when missing and gives it, with all it holds, to the
// group; returns the group's id.
gid_t ShareFolderWithGroup(const std::string& folder, const std::string& group, bool othersRead) {
    const gid_t gid = group.empty() ? kSameGroup : GroupId(group);
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
        Fail(folder, "nie można utworzyć folderu", errno);
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw FileError(folder, "to nie jest folder");
    ShareWithGroup(folder, gid, othersRead);
    for (fs::recursive_directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
        ShareWithGroup(entry->path().string(), gid, othersRead);
    if (error)
        Fail(folder, "nie można odczytać folderu", error.value());
    return gid;
}

} // namespace

void InitLessonsFolder(const std::string& folder, const std::string& group) {
    ShareFolderWithGroup(folder, group, true);
}

void InitPupilsFolder(const std::string& folder, const std::string& group) {
    const gid_t gid = ShareFolderWithGroup(folder, group, false);
    const std::string mark = folder + "/" + kPupilsFolderMark;
    const int fd = ::open(mark.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0664);
    if (fd < 0)
        Fail(mark, "nie można utworzyć pliku", errno);
    ::close(fd);
    ShareWithGroup(mark, gid);
}
