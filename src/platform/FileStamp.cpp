// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileStamp.h"

#include "platform/InjectedFaults.h"

#include <sys/stat.h>

FileStamp FileStamp::Of(const std::string& path) {
    if (FileStamp stale; InjectedStaleStamp(path, stale))
        return stale;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {true, static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
            static_cast<uint64_t>(info.st_size),
            static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}
