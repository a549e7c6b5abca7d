// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>

// Lists the entries of one folder, not descending into subfolders, in the
// order the file system gives them; "." and ".." never appear. A folder that
// is missing or cannot be read lists nothing, and Error() tells why. Names
// are in the system's encoding.
class CFolderScan {
public:
    // Accepts the folder with or without one trailing separator.
    bool Open(std::string folder);
    // Makes the next entry current; false when there is none left.
    bool Next();

    std::string GetFilePath() const;  // folder + "/" + name
    std::string GetFileName() const;  // name with extension
    std::string GetFileTitle() const; // name without the part from its last dot
    bool IsDirectory() const;

    // Why the folder could not be listed whole; empty when it could.
    const std::error_code& Error() const { return m_error; }

private:
    std::string m_folder;
    std::error_code m_error;
    std::filesystem::directory_iterator m_iterator;
    std::filesystem::directory_entry m_current;
};

// The title of the file at path as a scan lists it: the name after the last
// "/" without the part from its last dot. A backslash is part of a name here.
std::string GetFileTitleOfPath(const std::string& path);

// True when the path names something on disk, a file or a folder; false
// for any failure of the check.
bool FileExists(const std::string& path);

// True when the path names something on disk, false when there is no such
// file or folder. Any other failure of the check (a share that answers EIO,
// ESTALE or EACCES) throws FileError: it must never pass for "nothing there".
bool PathIsPresent(const std::string& path);
