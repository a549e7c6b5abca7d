// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Cp1250.h"
#include "platform/ProgramFolders.h"
#include "pupils/KeyPress.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"
#include "pupils/StatRecord.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// A stored run made to measure; the lesson's name is given in UTF-8.
inline StatRecord RunOf(const std::string& lesson, double speed, double errors, COleDateTime date) {
    StatRecord run;
    run.lesson = Utf8ToCp1250(lesson);
    run.charsPerMinute = speed;
    run.errorPercent = errors;
    run.date = date;
    return run;
}

// Stores the runs and character errors as the pupil's stat.dat; the pupil's
// name is given in UTF-8.
inline void StoreRunsOf(const PupilsFolder& pupils, const std::string& pupil,
                        const std::vector<StatRecord>& runs, CharErrorArray errors = {}) {
    CPupilStats stats;
    stats.insert(stats.end(), runs.begin(), runs.end());
    stats.m_charErrors = std::move(errors);
    std::filesystem::create_directories(GetPupilFolder(pupils, Utf8ToCp1250(pupil)));
    stats.Save(GetStatFilePath(pupils, Utf8ToCp1250(pupil)));
}

// 25 presses each of a, b, c and ż, the first ten of ż wrong: ż is weak.
inline std::vector<KeyPress> PressesWeakAtZDot() {
    std::vector<KeyPress> presses;
    for (const char key : std::string("abc\xBF"))
        for (int i = 0; i < 25; ++i)
            presses.push_back({key, !(key == '\xBF' && i < 10), 200});
    return presses;
}
