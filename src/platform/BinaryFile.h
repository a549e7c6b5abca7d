// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and writing for the program's files. Every function
// throws FileError naming the file, with the reason in Polish.

// The most the program reads of one file: a stat.dat of 100 000 runs takes
// about 5 MB, the longest sensible lesson a few hundred KB. A bigger file is
// refused with a message rather than filling the computer's memory.
constexpr size_t kMaxStatFileBytes = size_t{64} << 20;
constexpr size_t kMaxTextFileBytes = size_t{32} << 20;

std::string ReadBinaryFile(const std::string& path, size_t maxBytes);

// Nothing only when there is no such file ("no such file or folder"): any
// other failure, such as a share that answers EIO or EACCES for a moment,
// throws, so that it is never taken for a file that is not there yet.
std::optional<std::string> ReadBinaryFileIfPresent(const std::string& path, size_t maxBytes);

// Replaces the file with the bytes so that a crash or a power cut at any
// moment leaves either the old file or the new one, never a mixture: the
// bytes go to a temporary file beside it, reach the disk, and are renamed
// over it. When writing fails the old file stays as it was. A replaced file
// keeps its permissions; a new file in a folder shared with its group is
// left writable for the group.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Writes a file the user named for an export: a regular file (or a new one)
// is replaced as WriteFileAtomically does; a device or pipe, such as
// /dev/stdout, is written to as it is, never replaced by a file.
void WriteUserFile(const std::string& path, std::string_view bytes);

// Creates a file that must not exist yet, with the bytes, and returns true;
// false, with nothing written, when a file of that name exists. The server
// decides it (O_EXCL), so of two computers creating the same name only one
// succeeds, even on a share that caches. A file that could not be written
// whole is removed again. In a folder shared with its group the file stays
// writable for the group.
bool CreateNewFile(const std::string& path, std::string_view bytes);

// WriteFileAtomically, done only while the file still has the stamp it had
// when it was read, under the file's claim (CReplaceClaim). False, with
// nothing written, when another writer replaced it meanwhile or took the
// claim over. Leftover temporary files of the folder go first.
bool ReplaceFileIfUnchanged(const std::string& path, std::string_view bytes,
                            const FileStamp& readStamp);

// Removes the temporary files that interrupted replacements left in the
// folder. One younger than a minute may still be another computer's save
// at work, so only older ones go; a save takes milliseconds. Their age is
// judged by the share's clock: against the time of freshFile, a file just
// written there.
void RemoveInterruptedWrites(const std::string& folder, const std::string& freshFile);
