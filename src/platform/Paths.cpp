// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Paths.h"

#include "platform/Cp1250.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// The four parts of a path as the C runtime's path splitter gives them.
struct PathParts {
    std::string drive, directory, name, extension;
};

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') {
        parts.drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    const auto lastSeparator = rest.find_last_of("/\\");
    if (lastSeparator != std::string::npos) {
        parts.directory = rest.substr(0, lastSeparator + 1);
        rest.erase(0, lastSeparator + 1);
    }
    const auto lastDot = rest.rfind('.');
    if (lastDot != std::string::npos) {
        parts.extension = rest.substr(lastDot);
        rest.erase(lastDot);
    }
    parts.name = rest;
    return parts;
}

} // namespace

std::string GetFolderOfPath(std::string path) {
    if (path.empty())
        return {};
    RemoveTrailingSeparator(path);
    const PathParts parts = SplitPath(path);
    std::string folder = parts.drive + parts.directory;
    RemoveTrailingSeparator(folder);
    return folder;
}

std::string GetDriveOfPath(const std::string& path) {
    return SplitPath(path).drive;
}

std::string GetDirectoryOfPath(const std::string& path) {
    return SplitPath(path).directory;
}

std::string GetExtensionOfPath(const std::string& path) {
    std::string extension = SplitPath(path).extension;
    if (!extension.empty())
        extension.erase(0, 1);
    return extension;
}

void RemoveTrailingSeparator(std::string& path) {
    if (!path.empty() && IsSeparator(path.back()))
        path.pop_back();
}

std::optional<std::string> ContainedRelativePath(const std::string& path) {
    // The system would read the path only up to a NUL byte.
    if (path.find('\0') != std::string::npos || !GetDriveOfPath(path).empty())
        return std::nullopt;
    std::vector<std::string> kept;
    std::string piece;
    std::istringstream pieces(path);
    while (std::getline(pieces, piece, '/')) {
        if (piece.empty() || piece == ".")
            continue;
        if (piece != "..") {
            kept.push_back(piece);
            continue;
        }
        if (kept.empty())
            return std::nullopt;
        kept.pop_back();
    }
    if (kept.empty())
        return std::nullopt;
    std::string joined;
    for (const std::string& name : kept)
        joined += (joined.empty() ? "" : "/") + name;
    return joined;
}

std::string JoinLessonPath(const std::string& folder, const std::string& cp1250Path) {
    std::string relative = Cp1250ToUtf8(cp1250Path);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    const auto contained = ContainedRelativePath(relative);
    return contained ? folder + "/" + *contained : std::string{};
}
