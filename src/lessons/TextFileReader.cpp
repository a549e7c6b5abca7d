#include "lessons/TextFileReader.h"

#include "platform/Cp1250.h"
#include "platform/FileError.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError(path, "nie można otworzyć pliku do odczytu");
    std::string bytes;
    std::array<char, 65536> chunk;
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0)
        bytes.append(chunk.data(), static_cast<size_t>(in.gcount()));
    if (in.bad())
        throw FileError(path, "błąd podczas odczytu pliku");
    return bytes;
}

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
    return ToCp1250(ReadBytes(path));
}
