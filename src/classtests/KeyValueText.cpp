// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/KeyValueText.h"

#include "platform/Cp1250.h"
#include "platform/FileError.h"

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (line.ends_with('\r'))
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool IsUtf8(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size())
        if (!DecodeUtf8(text, pos))
            return false;
    return true;
}

std::string FormatNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

KeyValues::KeyValues(std::string path, std::string what)
    : m_path(std::move(path)), m_what(std::move(what)) {}

size_t KeyValues::Read(const std::vector<std::string>& lines, size_t first, std::string_view end) {
    for (size_t i = first; i < lines.size(); ++i) {
        if (!end.empty() && lines[i] == end)
            return i + 1;
        const size_t equals = lines[i].find('=');
        if (equals == std::string::npos)
            ThrowDamaged("wiersz " + std::to_string(i + 1) + " nie ma postaci klucz=wartość");
        if (!m_values.emplace(lines[i].substr(0, equals), lines[i].substr(equals + 1)).second)
            ThrowDamaged("klucz " + lines[i].substr(0, equals) + " powtarza się");
    }
    if (!end.empty())
        ThrowDamaged("brak wiersza " + std::string(end));
    return lines.size();
}

std::optional<std::string> KeyValues::Take(const std::string& key) {
    const auto found = m_values.find(key);
    if (found == m_values.end())
        return std::nullopt;
    std::string value = std::move(found->second);
    m_values.erase(found);
    return value;
}

std::string KeyValues::Required(const std::string& key) {
    std::optional<std::string> value = Take(key);
    if (!value)
        ThrowDamaged("brak klucza " + key);
    return *value;
}

void KeyValues::ThrowUnlessAllTaken() const {
    if (!m_values.empty())
        ThrowDamaged("nieznany klucz " + m_values.begin()->first +
                     " (plik z nowszej wersji programu?)");
}

void KeyValues::ThrowDamaged(const std::string& why) const {
    throw FileError(m_path, m_what + " jest uszkodzony: " + why);
}
