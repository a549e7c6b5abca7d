// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DesktopOpener.h"
#include "platform/ErrorBeep.h"
#include "platform/ProgramFolders.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>

using RandomEngine = std::mt19937;

// A counter that only moves forward, and how many of its ticks make a
// second: what the stopwatch of an exercise reads.
struct TickSource {
    std::function<int64_t()> counter;
    int64_t frequency = 1;

    static TickSource SteadyClock();
};

// What the program keeps for the whole of its run: its folders, the engine
// that draws drills, the clock, and the ways a document is opened and the
// error sound played. main builds one and hands it down to the windows that
// need it, as each test builds its own.
class CProgramContext {
public:
    // A portable program folder.
    explicit CProgramContext(const std::string& programFolder);
    explicit CProgramContext(ProgramFolders folders);
    CProgramContext(const CProgramContext&) = delete;
    CProgramContext& operator=(const CProgramContext&) = delete;

    const std::string& ProgramFolder() const { return m_folders.program; }
    const ProgramFolders& Folders() const { return m_folders; }

    RandomEngine random;
    TickSource clock = TickSource::SteadyClock();
    DocumentOpener openWithDesktop;
    ErrorBeep errorBeep;
    // The teacher's views (the class overview, its reports and exports) are
    // offered only when the program runs for a teacher.
    bool teacherMode = false;

private:
    ProgramFolders m_folders;
};

// The folder of the running executable, or empty when the system cannot
// tell it.
std::string ExecutableFolder();
