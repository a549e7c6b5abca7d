#pragma once

#include <string>
#include <string_view>

// Whole-file reading and writing for the program's binary files. Both throw
// FileError naming the file, with the reason in Polish.

std::string ReadBinaryFile(const std::string& path);

// Replaces the file with the bytes so that a crash or a power cut at any
// moment leaves either the old file or the new one, never a mixture: the
// bytes go to a temporary file beside it, reach the disk, and are renamed
// over it. When writing fails the old file stays as it was. A replaced file
// keeps its permissions.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Removes what interrupted replacements of the file left beside it (their
// temporary files). Call it only while no other writer of the file can be
// at work, such as under the file's lock.
void RemoveInterruptedWrites(const std::string& path);
