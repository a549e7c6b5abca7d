// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderScan.h"

#include "platform/FileError.h"
#include "platform/InjectedFaults.h"
#include "platform/Paths.h"
#include "platform/SystemErrorText.h"

#include <cerrno>

#include <sys/stat.h>

bool CFolderScan::Open(std::string folder) {
    RemoveTrailingSeparator(folder);
    m_folder = folder;
    m_error.clear();
    m_iterator = {};
    if (const int fault = InjectedFileFault(FileCall::Scan, folder)) {
        m_error = std::error_code(fault, std::generic_category());
        return false;
    }
    m_iterator = std::filesystem::directory_iterator(folder.empty() ? "/" : folder, m_error);
    if (m_error)
        m_iterator = {};
    return m_iterator != std::filesystem::directory_iterator{};
}

bool CFolderScan::Next() {
    // directory_iterator never yields "." or "..".
    if (m_iterator == std::filesystem::directory_iterator{})
        return false;
    m_current = *m_iterator;
    m_iterator.increment(m_error);
    if (m_error)
        m_iterator = {};
    return true;
}

std::string CFolderScan::GetFilePath() const {
    return m_folder + "/" + GetFileName();
}

std::string CFolderScan::GetFileName() const {
    return m_current.path().filename().string();
}

std::string CFolderScan::GetFileTitle() const {
    return GetFileTitleOfPath(GetFilePath());
}

bool CFolderScan::IsDirectory() const {
    std::error_code error;
    return m_current.is_directory(error);
}

std::string GetFileTitleOfPath(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.substr(0, name.rfind('.'));
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

bool PathIsPresent(const std::string& path) {
    struct stat info {};
    const int fault = InjectedFileFault(FileCall::Check, path);
    if (fault == 0 && ::stat(path.c_str(), &info) == 0)
        return true;
    const int error = fault ? fault : errno;
    if (error == ENOENT || error == ENOTDIR)
        return false;
    throw FileError(path, "nie można sprawdzić, czy plik istnieje (" + SystemErrorText(error) + ")");
}
