// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"
#include "platform/InjectedFaults.h"

#include <functional>
#include <optional>
#include <string>

// The tests' answers to the file calls' two questions (see
// platform/InjectedFaults.h), linked in place of the program's: the calls
// fail, or see a share's old view, as the test in scope says.

// What a test's fault answers for a lock to be taken as where the share's
// locks do not reach the server: it is had, and keeps nobody out. The lock
// file is taken away first, so each taker locks a file of its own (but for
// two that open it at the same moment).
constexpr int kLockWithoutExcluding = -1;

// What a share that caches shows of a replaced file for a moment: its old
// stamp and its old bytes (nothing for a file that was not there).
struct StaleView {
    FileStamp stamp;
    std::optional<std::string> bytes;
};

// Serves the views view gives for the object's lifetime.
class CScopedStaleView {
public:
    using View = std::function<std::optional<StaleView>(const std::string& path)>;
    explicit CScopedStaleView(View view);
    ~CScopedStaleView();
    CScopedStaleView(const CScopedStaleView&) = delete;
    CScopedStaleView& operator=(const CScopedStaleView&) = delete;

private:
    View m_previous;
};

// Makes file calls fail as fault says for the object's lifetime: the error
// number, 0 to let the call run, or kLockWithoutExcluding for a lock.
class CScopedFileFault {
public:
    using Fault = std::function<int(FileCall call, const std::string& path)>;
    explicit CScopedFileFault(Fault fault);
    ~CScopedFileFault();
    CScopedFileFault(const CScopedFileFault&) = delete;
    CScopedFileFault& operator=(const CScopedFileFault&) = delete;

private:
    Fault m_previous;
};
