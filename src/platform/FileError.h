// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

// A file that cannot be read or written, or whose content is not what the
// program expects. The message names the file (in the system's encoding) and
// says what was wrong; the window that ran the operation shows it.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& path, const std::string& problem)
        : std::runtime_error(path + ": " + problem), m_path(path), m_problem(problem) {}

    const std::string& Path() const { return m_path; }
    const std::string& Problem() const { return m_problem; }

private:
    std::string m_path;
    std::string m_problem;
};
