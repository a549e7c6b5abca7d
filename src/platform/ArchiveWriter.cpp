// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ArchiveWriter.h"

#include <bit>

namespace {

constexpr uint8_t kLongerLength = 0xFF;
// 0xFFFE never stands as a length: it marks the framework's 16-bit text.
constexpr size_t kFirstFourByteLength = 0xFFFE;
constexpr uint16_t kFourByteLength = 0xFFFF;

} // namespace

void CArchiveWriter::WriteLittleEndian(uint64_t value, int size) {
    for (int i = 0; i < size; ++i, value >>= 8)
        m_bytes += static_cast<char>(value & 0xFF);
}

void CArchiveWriter::WriteByte(uint8_t value) {
    WriteLittleEndian(value, 1);
}

void CArchiveWriter::WriteInt32(int32_t value) {
    WriteUInt32(static_cast<uint32_t>(value));
}

void CArchiveWriter::WriteUInt32(uint32_t value) {
    WriteLittleEndian(value, 4);
}

void CArchiveWriter::WriteUInt64(uint64_t value) {
    WriteLittleEndian(value, 8);
}

void CArchiveWriter::WriteDouble(double value) {
    WriteLittleEndian(std::bit_cast<uint64_t>(value), 8);
}

void CArchiveWriter::WriteString(std::string_view text) {
    const size_t length = text.size();
    if (length < kLongerLength) {
        WriteByte(static_cast<uint8_t>(length));
    } else if (length < kFirstFourByteLength) {
        WriteByte(kLongerLength);
        WriteLittleEndian(length, 2);
    } else {
        WriteByte(kLongerLength);
        WriteLittleEndian(kFourByteLength, 2);
        WriteUInt32(static_cast<uint32_t>(length));
    }
    m_bytes += text;
}
