// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileFaults.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace {

CScopedFileFault::Fault g_fault;
CScopedStaleView::View g_staleView;

} // namespace

int InjectedFileFault(FileCall call, const std::string& path) {
    const int fault = g_fault ? g_fault(call, path) : 0;
    if (call != FileCall::Lock || fault != kLockWithoutExcluding)
        return fault;
    // The program then makes the lock file anew and locks it, never waiting
    // for whoever holds the one taken away.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return 0;
}

namespace {

std::optional<StaleView> StaleViewOf(const std::string& path) {
    return g_staleView ? g_staleView(path) : std::nullopt;
}

} // namespace

bool InjectedStaleStamp(const std::string& path, FileStamp& stamp) {
    const std::optional<StaleView> stale = StaleViewOf(path);
    if (stale)
        stamp = stale->stamp;
    return stale.has_value();
}

bool InjectedStaleBytes(const std::string& path, std::optional<std::string>& bytes) {
    std::optional<StaleView> stale = StaleViewOf(path);
    if (stale)
        bytes = std::move(stale->bytes);
    return stale.has_value();
}

CScopedStaleView::CScopedStaleView(View view)
    : m_previous(std::exchange(g_staleView, std::move(view))) {}

CScopedStaleView::~CScopedStaleView() {
    g_staleView = std::move(m_previous);
}

CScopedFileFault::CScopedFileFault(Fault fault)
    : m_previous(std::exchange(g_fault, std::move(fault))) {}

CScopedFileFault::~CScopedFileFault() {
    g_fault = std::move(m_previous);
}
