// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ArchiveReader.h"

#include "platform/Cp1250.h"
#include "platform/FileError.h"

namespace {

constexpr uint8_t kLongerLength = 0xFF;
constexpr uint16_t kWideTextMark = 0xFFFE;
constexpr uint16_t kFourByteLength = 0xFFFF;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// UTF-16 little-endian text to Windows-1250; a surrogate pair is one
// character, which Windows-1250 does not have.
std::string Utf16ToCp1250(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() / 2);
    const auto unitAt = [&](size_t i) {
        return static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                     static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
    };
    const size_t units = bytes.size() / 2;
    for (size_t i = 0; i < units; ++i) {
        const char16_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(unitAt(i + 1)))
            ++i;
        text += Cp1250FromUnicode(unit);
    }
    return text;
}

} // namespace

void CArchiveReader::Fail(const std::string& problem) const {
    throw FileError(m_path, problem);
}

void CArchiveReader::FailCut() const {
    Fail(m_bytes.empty() ? "plik jest pusty"
                         : "plik urywa się przedwcześnie: jest uszkodzony albo nie jest "
                           "plikiem tego rodzaju");
}

std::optional<uint32_t> CArchiveReader::ReadStringLength() {
    const uint8_t shortLength = ReadByte();
    if (shortLength != kLongerLength)
        return shortLength;
    const auto length = static_cast<uint16_t>(ReadLittleEndian(2));
    if (length == kWideTextMark)
        return std::nullopt;
    if (length == kFourByteLength)
        return ReadUInt32();
    return length;
}

std::string CArchiveReader::ReadString() {
    std::string text;
    ReadStringInto(text);
    return text;
}

void CArchiveReader::ReadStringInto(std::string& text) {
    if (const std::optional<uint32_t> length = ReadStringLength()) {
        text.assign(Take(*length));
        return;
    }
    const std::optional<uint32_t> units = ReadStringLength();
    if (!units)
        Fail("nieprawidłowy zapis tekstu 16-bitowego");
    text = Utf16ToCp1250(Take(uint64_t{*units} * 2));
}
