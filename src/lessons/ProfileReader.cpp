// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/ProfileReader.h"

#include "platform/Cp1250.h"

#include <algorithm>

namespace {

constexpr std::string_view kWhiteSpace = " \t";
constexpr std::string_view kLineEnds = "\r\n";

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

std::string_view Unquote(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

bool IsComment(std::string_view line) {
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// The name of a section header line ("[name]"), trimmed.
std::string_view SectionName(std::string_view line) {
    return Trim(line.substr(1, line.find(']') - 1));
}

ProfileEntry ParseEntry(std::string_view line, size_t equals, std::string_view rawLine,
                        int lineNumber) {
    const std::string_view trimmed = Trim(line.substr(equals + 1));
    const std::string_view value = Unquote(trimmed);
    // Every view points into the file's text, so offsets subtract.
    const auto column = static_cast<int>(value.data() - rawLine.data()) + 1;
    return {std::string(Trim(line.substr(0, equals))), std::string(value), lineNumber, column};
}

// Where the line ending at end is followed by the next one: CR LF is one
// line end.
size_t NextLineStart(std::string_view text, size_t end) {
    return end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
}

} // namespace

std::vector<ProfileEntry> ReadProfileSection(std::string_view text, std::string_view section) {
    std::vector<ProfileEntry> entries;
    bool inSection = false;
    size_t start = 0;
    for (int lineNumber = 1; start < text.size(); ++lineNumber) {
        const size_t end = std::min(text.find_first_of(kLineEnds, start), text.size());
        const std::string_view rawLine = text.substr(start, end - start);
        const std::string_view line = Trim(rawLine);
        start = NextLineStart(text, end);
        if (line.empty() || IsComment(line))
            continue;
        if (line.front() == '[') {
            inSection = EqualsIgnoringCase(SectionName(line), section);
        } else if (const size_t equals = line.find('='); inSection && equals != line.npos) {
            entries.push_back(ParseEntry(line, equals, rawLine, lineNumber));
        }
    }
    return entries;
}
