// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

// What the program keeps for the whole of its run: its folders, the pupil
// chosen at start, the engine that draws drills, the clock, and the ways a
// document is opened and the error sound played. main builds one and hands
// it down; each test builds its own. While one lives, the program's own
// functions (GetProgramFolder, GetCurrentPupil, OpenWithDesktop, ...) answer
// from it; when it goes, the one built before it answers again.
class CProgramContext {
public:
    // A portable program folder.
    explicit CProgramContext(const std::string& programFolder);
    explicit CProgramContext(ProgramFolders folders);
    ~CProgramContext();
    CProgramContext(const CProgramContext&) = delete;
    CProgramContext& operator=(const CProgramContext&) = delete;

    // The context built last and still alive; the program builds one before
    // anything else runs.
    static CProgramContext& Current();

    const std::string& ProgramFolder() const { return m_folders.program; }
    const ProgramFolders& Folders() const { return m_folders; }

    // The pupil whose runs are stored and shown (Windows-1250); empty when
    // no pupil was chosen.
    std::string currentPupil;
    RandomEngine random;
    TickSource clock = TickSource::SteadyClock();
    // Opens a file with the desktop's default application without waiting;
    // nothing is opened while it is empty.
    std::function<void(const std::string& path, const std::string& workingFolder)> openWithDesktop;
    // Loads the sound of a wrong key before the first exercise, and plays
    // it without waiting; silent while empty.
    std::function<void()> loadErrorSound;
    std::function<void()> playErrorSound;
    // The teacher's views (the class overview, its reports and exports) are
    // offered only when the program runs for a teacher.
    bool teacherMode = false;

private:
    ProgramFolders m_folders;
    CProgramContext* m_previous;
};

// The pupil whose runs are stored and shown (Windows-1250), chosen once at
// start and kept by the program context; empty when no pupil was chosen.
// The windows and the lesson run read it and hand it to the core.
std::string GetCurrentPupil();
void SetCurrentPupil(const std::string& pupil);

// The context's pupils folder and outbox, which the windows and the command
// line hand to the core.
const PupilsFolder& ContextPupilsFolder();
const std::string& ContextOutbox();

// The folder of the running executable, or empty when the system cannot
// tell it.
std::string ExecutableFolder();

// The sound of a wrong key, through the current context.
void LoadErrorSound();
void PlayErrorSound();
