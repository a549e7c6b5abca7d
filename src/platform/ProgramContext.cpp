// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramContext.h"

#include "platform/Paths.h"

#include <chrono>
#include <filesystem>

TickSource TickSource::SteadyClock() {
    using Clock = std::chrono::steady_clock;
    return {[] { return static_cast<int64_t>(Clock::now().time_since_epoch().count()); },
            Clock::period::den / Clock::period::num};
}

CProgramContext::CProgramContext(const std::string& programFolder)
    : CProgramContext(PortableFolders(programFolder)) {}

CProgramContext::CProgramContext(ProgramFolders folders)
    : random(std::random_device{}()), m_folders(std::move(folders)) {}

std::string ExecutableFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string{} : GetFolderOfPath(executable.string());
}
