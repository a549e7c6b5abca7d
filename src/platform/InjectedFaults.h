// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

// Two questions the file calls of the program's stores ask before they act,
// so that a test can show that a failure a network share has for a moment
// (EIO, ESTALE, EACCES) or its stale view of a replaced file is never taken
// for "no file yet". The program answers "no fault" and "no stale view"
// (InjectedFaults.cpp, linked into each program, not into the core); the
// tests link answers of their own (tests/platform/FileFaults.cpp).
enum class FileCall { Check, Open, Read, Write, Rename, Lock, Scan };

struct FileStamp;

// The error number the call on path fails with; 0 lets it run.
int InjectedFileFault(FileCall call, const std::string& path);

// What a share that caches shows of a replaced file for a moment: its old
// stamp and its old bytes (nothing for a file that was not there). Each
// answers true, having set its answer, when such an old view is served for
// path; false for the file as it is.
bool InjectedStaleStamp(const std::string& path, FileStamp& stamp);
bool InjectedStaleBytes(const std::string& path, std::optional<std::string>& bytes);
