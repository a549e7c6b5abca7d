// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/DamagedCopy.h"

#include "platform/BinaryFile.h"

#include <optional>

std::string KeepDamagedCopy(const std::string& folder, const std::string& stem,
                            const std::string& bytes) {
    for (int number = 1;; ++number) {
        const std::string path =
            folder + "/" + stem + "-uszkodzony-" + std::to_string(number) + ".dat";
        const std::optional<std::string> kept = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
        if (kept && *kept == bytes)
            return path;
        if (!kept) {
            WriteFileAtomically(path, bytes);
            return path;
        }
    }
}
