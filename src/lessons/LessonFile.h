// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lessons/ProfileReader.h"
#include "platform/StringList.h"

#include <string>
#include <string_view>
#include <vector>

// One lesson description file. It keeps only its path: every read goes to the
// file, so a teacher's edit shows on the next read. Section and key names and
// the texts read are Windows-1250. A missing file reads as empty; a file that
// exists but cannot be read throws FileError.
class LessonFile {
public:
    // At most this many characters of a value reach the program.
    static constexpr size_t kMaxValueLength = 2046;
    // Room for the key names of one section, each with a terminating byte,
    // plus a final one; keys whose names do not fit are left out of the
    // section's key and value lists.
    static constexpr size_t kKeyNamesSize = 16384;

    explicit LessonFile(std::string path);

    const std::string& Path() const { return m_path; }

    // The first value of key in section (key compared without regard to
    // case), or defaultValue when there is none.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Appends the key names of section, in file order, repeated ones each time.
    void ReadSectionKeys(std::string_view section, StringList& list) const;
    // Appends the values of section, in file order, one for every listed key.
    void ReadSectionValues(std::string_view section, StringList& list) const;

private:
    std::vector<ProfileEntry> ReadSection(std::string_view section) const;
    // The entries whose key names fit the room for key names.
    std::vector<ProfileEntry> ReadListedEntries(std::string_view section) const;

    std::string m_path;
};
