// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classtests/WaitingTestResults.h"

#include "classtests/TestFolders.h"
#include "platform/BinaryFile.h"
#include "platform/FileError.h"

#include <filesystem>

namespace {

constexpr std::string_view kWaitingFolder = "sprawdziany";
constexpr size_t kMaxResultBytes = 4096;

// True when the result is in the test's folder, saved now or before.
bool DeliverWaitingResult(const PupilsFolder& pupils, const std::string& testId,
                          const std::string& path) {
    try {
        const TestResult result = ParseTestResult(ReadBinaryFile(path, kMaxResultBytes), path);
        SaveTestResult(pupils, testId, result);
    } catch (const FileError&) {
        return false;
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return true;
}

} // namespace

std::string WaitingTestFolder(const std::string& outbox, const std::string& testId) {
    return outbox + "/" + std::string(kWaitingFolder) + "/" + testId;
}

std::vector<std::string> WaitingTestIds(const std::string& outbox) {
    return SubfolderNames(outbox + "/" + std::string(kWaitingFolder));
}

void KeepTestResultWaiting(const std::string& outbox, const std::string& testId,
                           const TestResult& result) {
    const std::string folder = WaitingTestFolder(outbox, testId);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path = folder + "/" + PupilNumberName(result.pupil, result.attempt) + ".txt";
    if (error)
        throw FileError(path, "nie można utworzyć folderu: " + error.message());
    WriteFileAtomically(path, EncodeTestResult(result));
}

int DeliverWaitingTestResults(const std::string& outbox, const PupilsFolder& pupils) {
    int delivered = 0;
    try {
        for (const std::string& testId : WaitingTestIds(outbox))
            for (const std::string& name : FileNames(WaitingTestFolder(outbox, testId)))
                if (name.ends_with(".txt") &&
                    DeliverWaitingResult(pupils, testId,
                                         WaitingTestFolder(outbox, testId) + "/" + name))
                    ++delivered;
    } catch (const FileError&) {
    }
    return delivered;
}
