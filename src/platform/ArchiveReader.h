// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// Reads values in the dialog framework's archive encoding (little-endian,
// strings with length prefixes) from a file's bytes held in memory. Every
// read checks that the bytes are there first, so a damaged file can never
// make it read past the end or reserve memory the file cannot fill; a
// failed read throws FileError naming the file.
class CArchiveReader {
public:
    CArchiveReader(std::string_view bytes, std::string path)
        : m_bytes(bytes), m_path(std::move(path)) {}

    // Defined here, so that a reader of many records reads each number in place.
    uint8_t ReadByte() { return static_cast<uint8_t>(ReadLittleEndian(1)); }
    int32_t ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }
    uint32_t ReadUInt32() { return static_cast<uint32_t>(ReadLittleEndian(4)); }
    uint64_t ReadUInt64() { return ReadLittleEndian(8); }
    double ReadDouble() { return std::bit_cast<double>(ReadLittleEndian(8)); }
    // A text in Windows-1250. A text stored in the framework's 16-bit form
    // is converted; characters without a Windows-1250 code become '?'.
    std::string ReadString();
    // The same into a text kept from before, whose room it reuses.
    void ReadStringInto(std::string& text);

    size_t Remaining() const { return m_bytes.size() - m_position; }

    // Throws FileError naming the file: the file is not what the reader of
    // this format expects.
    [[noreturn]] void Fail(const std::string& problem) const;

private:
    std::string_view Take(uint64_t count) {
        if (count > Remaining())
            FailCut();
        const std::string_view taken = m_bytes.substr(m_position, static_cast<size_t>(count));
        m_position += static_cast<size_t>(count);
        return taken;
    }
    uint64_t ReadLittleEndian(int size) {
        const std::string_view bytes = Take(static_cast<uint64_t>(size));
        uint64_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | static_cast<uint8_t>(bytes[i]);
        return value;
    }
    [[noreturn]] void FailCut() const;
    // The length that follows, or nothing where the 16-bit text mark stands.
    std::optional<uint32_t> ReadStringLength();

    std::string_view m_bytes;
    std::string m_path;
    size_t m_position = 0;
};
