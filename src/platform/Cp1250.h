// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text inside Tastrum is Windows-1250, one byte a character, as lesson files
// and stat.dat hold it. These functions are the only crossing to Unicode.

// The Unicode code point of one Windows-1250 byte. The five bytes the code
// page leaves undefined map to the C1 control of the same number.
char32_t UnicodeFromCp1250(unsigned char byte);

// The Windows-1250 byte of a code point, or '?' when the code page has none.
char Cp1250FromUnicode(char32_t codePoint);

std::string Cp1250ToUtf8(std::string_view text);

// Characters without a Windows-1250 code, and malformed sequences, become '?'.
std::string Utf8ToCp1250(std::string_view utf8);

// Decodes one UTF-8 sequence at pos and advances pos past it; nothing when
// the sequence is malformed (pos then advances by one byte).
std::optional<char32_t> DecodeUtf8(std::string_view s, size_t& pos);

// True when the bytes form valid UTF-8 and hold at least one non-ASCII
// character: such a text was not written in Windows-1250.
bool LooksLikeUtf8(std::string_view bytes);

// True for the C0 and C1 control characters and DEL.
bool IsControlCharacter(char32_t codePoint);

// The lower-case form of a Windows-1250 character (Polish letters included).
char FoldCase(char c);

// The lower-case form of a Windows-1250 text.
std::string Folded(std::string text);

// Case-insensitive equality of two Windows-1250 texts.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
