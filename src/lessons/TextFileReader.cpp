// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/TextFileReader.h"

#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"

#include <filesystem>
#include <string_view>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string ToCp1250(std::string bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return Utf8ToCp1250(std::string_view(bytes).substr(kUtf8ByteOrderMark.size()));
    return LooksLikeUtf8(bytes) ? Utf8ToCp1250(bytes) : bytes;
}

} // namespace

std::optional<std::string> ReadTextFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    // A status of "none" means the path could not even be looked at.
    if (status.type() == std::filesystem::file_type::none)
        throw FileError(path, "brak dostępu do pliku");
    if (!std::filesystem::exists(status))
        return std::nullopt;
    if (!std::filesystem::is_regular_file(status))
        throw FileError(path, "to nie jest plik tekstowy, tylko folder lub plik specjalny");
    return ToCp1250(ReadBinaryFile(path, kMaxTextFileBytes));
}
