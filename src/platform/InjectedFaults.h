// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"

#include <optional>
#include <string>

// Two questions the file calls of the program's stores ask before they act,
// so that a test can show that a failure a network share has for a moment
// (EIO, ESTALE, EACCES) or its stale view of a replaced file is never taken
// for "no file yet". The program answers "no fault" and "no stale view"
// (InjectedFaults.cpp, linked into each program, not into the core); the
// tests link answers of their own (tests/platform/FileFaults.cpp).
enum class FileCall { Check, Open, Read, Write, Rename, Lock, Scan };

// The error number the call on path fails with; 0 lets it run.
int InjectedFileFault(FileCall call, const std::string& path);

// What a share that caches shows of a replaced file for a moment: its old
// stamp and its old bytes (nothing for a file that was not there).
struct StaleView {
    FileStamp stamp;
    std::optional<std::string> bytes;
};

// The old view served for path in place of the file as it is; nothing for
// the file as it is.
std::optional<StaleView> InjectedStaleView(const std::string& path);
