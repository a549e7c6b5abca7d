// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/TestFolders.h"

#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/GroupShare.h"
#include "platform/SystemErrorText.h"

#include <cerrno>
#include <charconv>
#include <filesystem>

#include <sys/stat.h>

namespace {

constexpr size_t kMostNumberDigits = 6;

std::vector<std::string> EntryNames(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (const std::filesystem::directory_iterator end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_directory(ignored) == folders)
            names.push_back(entry->path().filename().string());
    }
    if (error && error != std::errc::no_such_file_or_directory)
        throw FileError(folder,
                        "nie można odczytać folderu (" + SystemErrorText(error.value()) + ")");
    return names;
}

} // namespace

bool MakeTestsFolder(const PupilsFolder& pupils, const std::string& folder, FolderWriters writers) {
    if (::mkdir(folder.c_str(), 0755) != 0) {
        if (errno == EEXIST)
            return false;
        throw FileError(folder, "nie można utworzyć folderu (" + SystemErrorText(errno) + ")");
    }
    if (writers == FolderWriters::Class && IsSharedWithGroup(pupils.path)) {
        OpenFolderToGroup(folder);
        // Sticky: a pupil's account removes or renames only its own files.
        struct stat info {};
        if (::stat(folder.c_str(), &info) == 0)
            ::chmod(folder.c_str(), (info.st_mode & 07777) | S_ISVTX);
    }
    return true;
}

std::vector<std::string> SubfolderNames(const std::string& folder) {
    return EntryNames(folder, true);
}

std::vector<std::string> FileNames(const std::string& folder) {
    return EntryNames(folder, false);
}

std::string PupilNumberName(const std::string& pupil, int number) {
    return Cp1250ToUtf8(pupil) + "-" + std::to_string(number);
}

std::optional<PupilNumber> ParsePupilNumberName(std::string_view name) {
    const size_t dash = name.rfind('-');
    if (dash == std::string_view::npos || dash == 0)
        return std::nullopt;
    const std::string_view digits = name.substr(dash + 1);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < 1 ||
        digits.size() > kMostNumberDigits || digits.front() == '0')
        return std::nullopt;
    const std::string pupil = Utf8ToCp1250(name.substr(0, dash));
    if (Cp1250ToUtf8(pupil) != name.substr(0, dash))
        return std::nullopt;
    return PupilNumber{pupil, number};
}
