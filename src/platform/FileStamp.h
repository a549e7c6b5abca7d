// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// What tells one state of a file from another without reading it: its
// identity, size and modification time. A file that is replaced, grows or is
// written again gets another stamp.
struct FileStamp {
    bool exists = false;
    uint64_t device = 0, inode = 0, size = 0;
    int64_t modifiedNs = 0;

    bool operator==(const FileStamp&) const = default;

    static FileStamp Of(const std::string& path);
};
