// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileFaults.h"

#include <utility>

namespace {

CScopedFileFault::Fault g_fault;
CScopedStaleView::View g_staleView;

} // namespace

int InjectedFileFault(FileCall call, const std::string& path) {
    return g_fault ? g_fault(call, path) : 0;
}

std::optional<StaleView> InjectedStaleView(const std::string& path) {
    return g_staleView ? g_staleView(path) : std::nullopt;
}

CScopedStaleView::CScopedStaleView(View view) : m_previous(std::exchange(g_staleView, std::move(view))) {}

CScopedStaleView::~CScopedStaleView() {
    g_staleView = std::move(m_previous);
}

CScopedFileFault::CScopedFileFault(Fault fault) : m_previous(std::exchange(g_fault, std::move(fault))) {}

CScopedFileFault::~CScopedFileFault() {
    g_fault = std::move(m_previous);
}
