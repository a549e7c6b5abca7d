// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// Writes values in the dialog framework's archive encoding (little-endian,
// strings with length prefixes) into bytes held in memory, to be written to
// a file whole.
class CArchiveWriter {
public:
    void WriteByte(uint8_t value);
    void WriteInt32(int32_t value);
    void WriteUInt32(uint32_t value);
    void WriteUInt64(uint64_t value);
    void WriteDouble(double value);
    // A Windows-1250 text: its length in 1, 3 or 7 bytes, then its bytes.
    void WriteString(std::string_view text);

    // The bytes written so far; the writer is empty afterwards.
    std::string TakeBytes() { return std::move(m_bytes); }
    void Reserve(size_t bytes) { m_bytes.reserve(bytes); }

private:
    void WriteLittleEndian(uint64_t value, int size);

    std::string m_bytes;
};
