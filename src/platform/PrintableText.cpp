// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrintableText.h"

#include "platform/Cp1250.h"

#include <cstdio>

namespace {

std::string Escaped(std::string_view bytes) {
    std::string escaped;
    for (const char byte : bytes) {
        char text[5];
        std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned char>(byte));
        escaped += text;
    }
    return escaped;
}

} // namespace

std::string PrintableText(std::string_view text) {
    std::string printable;
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        const std::optional<char32_t> codePoint = DecodeUtf8(text, pos);
        const std::string_view sequence = text.substr(start, pos - start);
        if (!codePoint || IsControlCharacter(*codePoint))
            printable += Escaped(sequence);
        else
            printable += *codePoint == U'\\' ? std::string_view("\\\\") : sequence;
    }
    return printable;
}
