// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"

#include <functional>
#include <optional>
#include <string>

// The file calls of the program's stores, each of which a test may make fail
// the way a network share does for a moment (EIO, ESTALE, EACCES), to show
// that no such failure is ever taken for "no file yet".
enum class FileCall { Check, Open, Read, Write, Rename, Lock, Scan, MakeFolder };

// What a lock call answers when a test has it pretend to lock without
// excluding anybody, as some network file systems do.
constexpr int kLockWithoutExcluding = -1;

// The error number a test wants the call on path to fail with; 0 lets it run.
int InjectedFileFault(FileCall call, const std::string& path);

// What a share that caches shows of a replaced file for a moment: its old
// stamp and its old bytes (nothing for a file that was not there).
struct StaleView {
    FileStamp stamp;
    std::optional<std::string> bytes;
};

// The old view a test serves for path in place of the file as it is;
// nothing for the file as it is.
std::optional<StaleView> InjectedStaleView(const std::string& path);

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

// Makes file calls fail as fault says for the object's lifetime.
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
