// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/LessonFile.h"

#include "lessons/TextFileReader.h"
#include "platform/Cp1250.h"

#include <utility>

namespace {

std::string CutValue(const std::string& value) {
    return value.substr(0, LessonFile::kMaxValueLength);
}

} // namespace

LessonFile::LessonFile(std::string path) : m_path(std::move(path)) {}

std::vector<ProfileEntry> LessonFile::ReadSection(std::string_view section) const {
    const auto text = ReadTextFile(m_path);
    return text ? ReadProfileSection(*text, section) : std::vector<ProfileEntry>{};
}

std::string LessonFile::ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
    for (const ProfileEntry& entry : ReadSection(section))
        if (EqualsIgnoringCase(entry.key, key))
            return CutValue(entry.value);
    return std::string(defaultValue);
}

std::vector<ProfileEntry> LessonFile::ReadListedEntries(std::string_view section) const {
    std::vector<ProfileEntry> entries = ReadSection(section);
    size_t listed = 0;
    for (size_t used = 1 /* the final terminating byte */; listed < entries.size(); ++listed) {
        used += entries[listed].key.size() + 1;
        if (used > kKeyNamesSize)
            break;
    }
    entries.resize(listed);
    return entries;
}

void LessonFile::ReadSectionKeys(std::string_view section, StringList& list) const {
    for (ProfileEntry& entry : ReadListedEntries(section))
        list.push_back(std::move(entry.key));
}

void LessonFile::ReadSectionValues(std::string_view section, StringList& list) const {
    for (const ProfileEntry& entry : ReadListedEntries(section))
        list.push_back(CutValue(entry.value));
}
