// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"
#include "pupils/PupilStatFile.h"

#include <map>
#include <string>

// Pupils' stat.dat files as last read. A file is read again only when it
// has changed (another identity, size or modification time), so a window
// that shows a pupil's runs over and over reads the file once.
class CPupilStatsCache {
public:
    struct Entry {
        FileStamp stamp;
        CPupilStats stats;
    };

    // The pupil's file as it is now. Throws FileError, forgetting the pupil,
    // when it cannot be read (see LoadPupilStats).
    const Entry& Load(const PupilsFolder& pupils, const std::string& pupil);

private:
    std::map<std::string, Entry> m_entries;
};
