#pragma once

#include <filesystem>
#include <string>

// Lists the entries of one folder, not descending into subfolders, in the
// order the file system gives them; "." and ".." never appear. A folder that
// is missing or cannot be read lists nothing. Names are in the system's
// encoding.
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

private:
    std::string m_folder;
    std::filesystem::directory_iterator m_iterator;
    std::filesystem::directory_entry m_current;
};

// The title of the file at path as a scan lists it: the name after the last
// "/" without the part from its last dot. A backslash is part of a name here.
std::string GetFileTitleOfPath(const std::string& path);

// True when the path names something on disk, a file or a folder.
bool FileExists(const std::string& path);
