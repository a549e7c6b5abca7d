#include "platform/FolderScan.h"

#include "platform/Paths.h"

bool CFolderScan::Open(std::string folder) {
    RemoveTrailingSeparator(folder);
    m_folder = folder;
    std::error_code error;
    m_iterator = std::filesystem::directory_iterator(folder.empty() ? "/" : folder, error);
    if (error)
        m_iterator = {};
    return m_iterator != std::filesystem::directory_iterator{};
}

bool CFolderScan::Next() {
    // directory_iterator never yields "." or "..".
    if (m_iterator == std::filesystem::directory_iterator{})
        return false;
    m_current = *m_iterator;
    std::error_code error;
    m_iterator.increment(error);
    if (error)
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
