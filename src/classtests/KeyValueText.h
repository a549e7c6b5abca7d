// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The small UTF-8 text files of the tests: a first line naming the kind of
// file and its version, then "klucz=wartość" lines. A reader takes each key
// it knows; a key left over, repeated or missing makes the file damaged.

// The lines of a text, without their line ends (LF or CR LF).
std::vector<std::string> SplitLines(const std::string& bytes);
bool IsUtf8(std::string_view text);

// The shortest text that reads back as the same number.
std::string FormatNumber(double value);

// The whole text as a number, or nothing.
template <typename Number> std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

class KeyValues {
public:
    // what names the kind of file in messages: "plik sprawdzianu".
    KeyValues(std::string path, std::string what);

    // Reads the lines from first up to the line end, or to the last line
    // when end is empty; returns the index after end. Throws FileError.
    size_t Read(const std::vector<std::string>& lines, size_t first, std::string_view end);

    std::string Required(const std::string& key);
    // The key's value made by parse; fallback when the key is not there.
    // Throws FileError when parse gives nothing.
    template <typename Value>
    Value ParsedOr(
        const std::string& key, Value fallback,
        const std::type_identity_t<std::function<std::optional<Value>(std::string_view)>>& parse) {
        const std::optional<std::string> text = Take(key);
        if (!text)
            return fallback;
        const std::optional<Value> value = parse(*text);
        if (!value)
            ThrowDamaged("zła wartość klucza " + key);
        return *value;
    }
    template <typename Value>
    Value RequiredParsed(
        const std::string& key,
        const std::type_identity_t<std::function<std::optional<Value>(std::string_view)>>& parse) {
        const std::optional<Value> value = parse(Required(key));
        if (!value)
            ThrowDamaged("zła wartość klucza " + key);
        return *value;
    }
    // Throws FileError when a key was not taken.
    void ThrowUnlessAllTaken() const;
    [[noreturn]] void ThrowDamaged(const std::string& why) const;

private:
    std::optional<std::string> Take(const std::string& key);

    std::string m_path;
    std::string m_what;
    std::map<std::string, std::string, std::less<>> m_values;
};
