// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramFolders.h"

#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>

namespace {

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// The folder an XDG variable names, or the home folder's default for it. A
// relative value does not count; the default stands then.
std::string UserFolder(const char* variable, const char* inHome) {
    const std::string folder = Environment(variable);
    return IsAbsolute(folder) ? folder : Environment("HOME") + inHome;
}

} // namespace

ProgramFolders PortableFolders(const std::string& programFolder) {
    std::string program = programFolder;
    RemoveTrailingSeparator(program);
    return {program, program + "/Data/Lessons",  {},
            {},      {program + "/Data/Pupils"}, program + "/Data/Outbox"};
}

ProgramFolders FindProgramFolders(const std::string& executableFolder,
                                  const std::string& pupilsFolder,
                                  const std::string& lessonsFolder) {
    const std::filesystem::path executable(executableFolder);
    const std::filesystem::path shipped = executable.parent_path() / "share/tastrum";
    ProgramFolders folders = PortableFolders(executableFolder);
    if (!IsFolder(executable / "Data") && IsFolder(shipped)) {
        const std::string user = UserDataFolder();
        folders = {shipped.lexically_normal().string(),
                   (shipped / "Lessons").lexically_normal().string(),
                   {},
                   user + "/Lessons",
                   {user + "/Pupils"},
                   user + "/Outbox"};
    }
    folders.schoolLessons = lessonsFolder;
    RemoveTrailingSeparator(folders.schoolLessons);
    if (!pupilsFolder.empty()) {
        folders.pupils = {pupilsFolder, true};
        RemoveTrailingSeparator(folders.pupils.path);
    }
    return folders;
}

std::string UserDataFolder() {
    return UserFolder("XDG_DATA_HOME", "/.local/share") + "/tastrum";
}

std::string UserCacheFolder() {
    // Without a home folder, "/.cache" would be nobody's.
    if (!IsAbsolute(Environment("XDG_CACHE_HOME")) && Environment("HOME").empty())
        return {};
    return UserFolder("XDG_CACHE_HOME", "/.cache") + "/tastrum";
}
