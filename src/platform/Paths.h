// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

// Path operations of the program. They never touch the disk, accept both
// "/" and "\" as separators, and return folders without a trailing separator.
// Paths are in the system's encoding (UTF-8).

std::string GetFolderOfPath(std::string path);
std::string GetDriveOfPath(const std::string& path);
std::string GetDirectoryOfPath(const std::string& path);
std::string GetExtensionOfPath(const std::string& path);
void RemoveTrailingSeparator(std::string& path);

// A path taken from a file (a lesson's "run" or "ImportText" value, "/"
// as separator) as it lies below the folder it is joined to: separators at
// its start are dropped and "." and ".." are resolved, as the original
// system found such a path below its folder. Nothing when it would lead
// outside the folder, names a drive or holds a NUL byte. Symbolic links that
// the folder's owner put inside the folder are followed: only what a lesson
// file writes is held inside.
std::optional<std::string> ContainedRelativePath(const std::string& path);

// A path written in a lesson file (Windows-1250, either separator) joined to
// folder; empty when it is empty or would lead outside the folder.
std::string JoinLessonPath(const std::string& folder, const std::string& cp1250Path);
