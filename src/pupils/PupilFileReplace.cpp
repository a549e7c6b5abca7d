// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/PupilFileReplace.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileLock.h"
#include "platform/FileStamp.h"

namespace {

// How often a change is made again when another computer replaced the file
// in the middle of it, which only happens where the share's locks do not
// work.
constexpr int kReplaceAttempts = 5;

// One attempt; false when another writer came between the read and the
// rename.
bool TryToReplace(const std::string& path, const PupilFileChange& change) {
    const FileStamp stamp = FileStamp::Of(path);
    const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
    const std::optional<std::string> changed = change(bytes);
    return !changed || ReplaceFileIfUnchanged(path, *changed, stamp);
}

} // namespace

void ReplacePupilFile(const std::string& path, const PupilFileChange& change) {
    const CFileLock lock(path + ".lock");
    for (int attempt = 0; attempt < kReplaceAttempts; ++attempt)
        if (TryToReplace(path, change))
            return;
    throw FileError(path, "pliku nie zapisano: inny komputer zapisywał go w tym samym czasie, a "
                          "blokowanie plików w tym folderze nie działa");
}
