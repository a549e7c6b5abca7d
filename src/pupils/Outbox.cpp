// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/Outbox.h"

#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"
#include "platform/FileError.h"
#include "platform/FileLock.h"
#include "platform/FolderScan.h"
#include "platform/SystemErrorText.h"
#include "pupils/NewPupil.h"
#include "pupils/PupilStats.h"
#include "pupils/StatFile.h"
#include "pupils/StoreRun.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include <unistd.h>

namespace {

constexpr std::string_view kMark = "tastrum: wynik do dostarczenia";
constexpr std::string_view kExtension = ".run";
// Marks a run being delivered; one left so was cut short and may be stored
// already.
constexpr std::string_view kDeliveringMark = ".delivering";
constexpr std::string_view kSetAsideExtension = ".nieczytelny";

// Names sort by the time the run was kept, so the oldest comes first.
std::string NewRunFileName() {
    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    char name[80];
    std::snprintf(name, sizeof name, "%020lld-%d-%u",
                  static_cast<long long>(std::chrono::nanoseconds(now).count()),
                  static_cast<int>(::getpid()), counter++);
    return name + std::string(kExtension);
}

std::string Encode(const std::string& pupil, const StatRecord& run, const CharErrorArray& errors) {
    CPupilStats stats;
    stats.push_back(run);
    stats.m_charErrors = errors;
    CArchiveWriter out;
    out.WriteString(kMark);
    out.WriteString(pupil);
    return out.TakeBytes() + EncodeStatFile(stats);
}

struct KeptRun {
    std::string pupil;
    CPupilStats stats; // the one run and its character errors
};

KeptRun Decode(const std::string& bytes, const std::string& path) {
    CArchiveReader in(bytes, path);
    if (in.ReadString() != kMark)
        in.Fail("to nie jest wynik czekający na zapisanie");
    KeptRun kept;
    kept.pupil = in.ReadString();
    DecodeStatFile(std::string_view(bytes).substr(bytes.size() - in.Remaining()), path, kept.stats);
    if (kept.stats.size() != 1)
        in.Fail("plik nie zawiera dokładnie jednego wyniku");
    return kept;
}

std::vector<std::string> WaitingFiles(const std::string& outbox) {
    std::vector<std::string> paths;
    CFolderScan scan;
    scan.Open(outbox);
    while (scan.Next())
        if (!scan.IsDirectory() &&
            (scan.GetFileName().ends_with(kExtension) ||
             scan.GetFileName().ends_with(std::string(kExtension) + std::string(kDeliveringMark))))
            paths.push_back(scan.GetFilePath());
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool Rename(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

// Stores one waiting run; false when it could not be, with the reason. A
// run is marked as being delivered while it is stored, so that one whose
// delivery was cut short is known, and only such a run is checked against
// the runs already in the file.
bool Deliver(const PupilsFolder& pupils, const std::string& path, OutboxDelivery& delivery) {
    const bool cutShort = path.ends_with(kDeliveringMark);
    const std::string waiting =
        cutShort ? path.substr(0, path.size() - kDeliveringMark.size()) : path;
    const std::string delivering = waiting + std::string(kDeliveringMark);
    // A run that cannot even be marked waits, and so do the later ones, to
    // be stored in their order.
    if (!cutShort && !Rename(waiting, delivering)) {
        delivery.problem = "nie można oznaczyć wyniku do dostarczenia: " + waiting;
        return false;
    }
    KeptRun kept;
    try {
        kept = Decode(ReadBinaryFile(delivering, kMaxStatFileBytes), delivering);
        // A name that is no pupil's (one file of the outbox names "../../x")
        // never leads a run out of the pupils folder.
        if (const std::string problem = PupilNameProblem(Cp1250ToUtf8(kept.pupil));
            !problem.empty())
            throw FileError(delivering, problem);
    } catch (const FileError& error) {
        Rename(delivering, waiting + std::string(kSetAsideExtension));
        delivery.problem = error.what();
        return true;
    }
    try {
        // Another computer may deliver a copy of the same outbox, or this
        // delivery may have been cut short after the run was stored.
        StoreRunOnce(pupils, kept.pupil, kept.stats.front(), kept.stats.m_charErrors);
    } catch (const FileError& error) {
        Rename(delivering, waiting);
        delivery.problem = error.what();
        return false;
    }
    std::error_code ignored;
    std::filesystem::remove(delivering, ignored);
    ++delivery.delivered;
    return true;
}

} // namespace

void KeepInOutbox(const std::string& outbox, const std::string& pupil, const StatRecord& run,
                  const CharErrorArray& errors) {
    std::error_code error;
    std::filesystem::create_directories(outbox, error);
    if (error)
        throw FileError(outbox, "nie można utworzyć folderu na wyniki do dostarczenia (" +
                                    SystemErrorText(error.value()) + ")");
    WriteFileAtomically(outbox + "/" + NewRunFileName(), Encode(pupil, run, errors));
}

OutboxDelivery DeliverOutbox(const std::string& outbox, const PupilsFolder& pupils) {
    OutboxDelivery delivery;
    try {
        if (!PathIsPresent(outbox))
            return delivery;
    } catch (const FileError& error) {
        delivery.problem = error.what();
        return delivery;
    }
    // One copy of the program delivers at a time, so a run marked as being
    // delivered at the start was left by a delivery that was cut short.
    const CFileLock lock(outbox + "/.lock");
    const std::vector<std::string> paths = WaitingFiles(outbox);
    for (size_t i = 0; i < paths.size(); ++i)
        if (!Deliver(pupils, paths[i], delivery)) {
            delivery.waiting = static_cast<int>(paths.size() - i);
            break;
        }
    return delivery;
}

int CountOutbox(const std::string& outbox) {
    return static_cast<int>(WaitingFiles(outbox).size());
}
