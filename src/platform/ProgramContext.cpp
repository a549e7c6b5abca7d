// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramContext.h"

#include "platform/Paths.h"

#include <cassert>
#include <chrono>
#include <filesystem>

namespace {

// Points at main's context, or a test's; never owns it.
CProgramContext* g_current = nullptr;

} // namespace

TickSource TickSource::SteadyClock() {
    using Clock = std::chrono::steady_clock;
    return {[] { return static_cast<int64_t>(Clock::now().time_since_epoch().count()); },
            Clock::period::den / Clock::period::num};
}

CProgramContext::CProgramContext(const std::string& programFolder)
    : CProgramContext(PortableFolders(programFolder)) {}

CProgramContext::CProgramContext(ProgramFolders folders)
    : random(std::random_device{}()), m_folders(std::move(folders)), m_previous(g_current) {
    g_current = this;
}

CProgramContext::~CProgramContext() {
    g_current = m_previous;
}

CProgramContext& CProgramContext::Current() {
    assert(g_current && "the program builds its context before anything else");
    return *g_current;
}

std::string GetCurrentPupil() {
    return CProgramContext::Current().currentPupil;
}

void SetCurrentPupil(const std::string& pupil) {
    CProgramContext::Current().currentPupil = pupil;
}

const PupilsFolder& ContextPupilsFolder() {
    return CProgramContext::Current().Folders().pupils;
}

const std::string& ContextOutbox() {
    return CProgramContext::Current().Folders().outbox;
}

std::string ExecutableFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string{} : GetFolderOfPath(executable.string());
}

void LoadErrorSound() {
    if (const auto& load = CProgramContext::Current().loadErrorSound)
        load();
}

void PlayErrorSound() {
    if (const auto& play = CProgramContext::Current().playErrorSound)
        play();
}
