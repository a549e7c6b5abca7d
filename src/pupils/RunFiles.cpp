// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pupils/RunFiles.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileStamp.h"
#include "pupils/StatFile.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>

#include <unistd.h>

namespace {

constexpr std::string_view kPrefix = "wynik-";
constexpr std::string_view kExtension = ".dat";
// Long after any share has shown every computer the stat.dat that holds
// the run.
constexpr auto kKeptFor = std::chrono::hours(24 * 7);
constexpr double kSecondsPerDay = 86400.0;
// Beyond this a date is no time at all (a damaged or foreign record).
constexpr double kLatestSeconds = 1e15;

} // namespace

int64_t RunSeconds(const StatRecord& run) {
    const double seconds = run.date.Value() * kSecondsPerDay;
    return std::isfinite(seconds) && std::abs(seconds) < kLatestSeconds
               ? static_cast<int64_t>(std::floor(seconds))
               : 0;
}

namespace {

std::string UniquePart() {
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    char part[64];
    std::snprintf(part, sizeof part, "%08x%08x-%d-%u", device(), device(),
                  static_cast<int>(::getpid()), counter++);
    return part;
}

std::optional<RunFileName> ParseName(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    if (!name.starts_with(kPrefix) || !name.ends_with(kExtension))
        return std::nullopt;
    const size_t secondsEnd = name.find('-', kPrefix.size());
    const size_t keyEnd = secondsEnd == std::string::npos ? secondsEnd : name.find('-', secondsEnd + 1);
    if (keyEnd == std::string::npos)
        return std::nullopt;
    RunFileName file{path.string(), 0, name.substr(secondsEnd + 1, keyEnd - secondsEnd - 1)};
    try {
        file.seconds = std::stoll(name.substr(kPrefix.size(), secondsEnd - kPrefix.size()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return file;
}

void Mix(uint64_t& hash, std::string_view bytes) {
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ULL;
    }
    hash ^= 0xff; // ends the field, so that "ab"+"c" is not "a"+"bc"
    hash *= 0x100000001b3ULL;
}

void Mix(uint64_t& hash, double value) {
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    Mix(hash, std::string_view(reinterpret_cast<const char*>(&bits), sizeof bits));
}

} // namespace

std::string RunKey(const StatRecord& run) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    Mix(hash, run.lesson);
    Mix(hash, run.charsPerMinute);
    Mix(hash, run.date.Value());
    Mix(hash, static_cast<double>(run.date.GetStatus()));
    Mix(hash, run.errorPercent);
    Mix(hash, run.reservedText1);
    Mix(hash, run.reservedText2);
    Mix(hash, run.reservedValue1);
    Mix(hash, run.reservedValue2);
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return key;
}

std::string KeepRunFile(const std::string& pupilFolder, const StatRecord& run,
                        const CharErrorArray& errors) {
    CPupilStats one;
    one.push_back(run);
    one.m_charErrors = errors;
    const std::string path = pupilFolder + "/" + std::string(kPrefix) +
                             std::to_string(RunSeconds(run)) + "-" + RunKey(run) + "-" +
                             UniquePart() + std::string(kExtension);
    WriteFileAtomically(path, EncodeStatFile(one));
    return path;
}

std::vector<RunFileName> ListRunFiles(const std::string& pupilFolder) {
    std::vector<RunFileName> files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(pupilFolder, error), end;
         !error && entry != end; entry.increment(error))
        if (std::optional<RunFileName> file = ParseName(entry->path()))
            files.push_back(std::move(*file));
    return files;
}

int64_t OldestSeconds(const std::vector<RunFileName>& files) {
    int64_t oldest = INT64_MAX;
    for (const RunFileName& file : files)
        oldest = std::min(oldest, file.seconds);
    return oldest;
}

std::set<std::string> KeysOfRecentRuns(const CStatRecordArray& runs,
                                       const std::vector<RunFileName>& files) {
    std::set<std::string> keys;
    const int64_t oldest = OldestSeconds(files);
    for (auto run = runs.rbegin(); run != runs.rend() && RunSeconds(*run) >= oldest; ++run)
        keys.insert(RunKey(*run));
    return keys;
}

std::vector<KeptRun> ReadRunFiles(const std::vector<RunFileName>& files,
                                  const std::set<std::string>& held) {
    std::vector<KeptRun> kept;
    for (const RunFileName& file : files) {
        if (held.contains(file.key))
            continue;
        try {
            const std::optional<std::string> bytes =
                ReadBinaryFileIfPresent(file.path, kMaxStatFileBytes);
            CPupilStats one;
            if (bytes)
                DecodeStatFile(*bytes, file.path, one);
            if (one.size() == 1)
                kept.push_back({file.path, one.front(), one.m_charErrors,
                                FileStamp::Of(file.path).modifiedNs});
        } catch (const FileError&) {
        }
    }
    // Runs of one moment (a test's, or a clock's that is off) in the order
    // they were kept.
    std::sort(kept.begin(), kept.end(), [](const KeptRun& a, const KeptRun& b) {
        return std::pair(a.run.date.LinearDays(), a.keptNs) <
               std::pair(b.run.date.LinearDays(), b.keptNs);
    });
    return kept;
}

bool SameRun(const StatRecord& a, const StatRecord& b) {
    const auto same = [](double x, double y) {
        return std::bit_cast<uint64_t>(x) == std::bit_cast<uint64_t>(y);
    };
    return a.lesson == b.lesson && same(a.charsPerMinute, b.charsPerMinute) &&
           same(a.date.Value(), b.date.Value()) && a.date.GetStatus() == b.date.GetStatus() &&
           same(a.errorPercent, b.errorPercent) && a.reservedText1 == b.reservedText1 &&
           a.reservedText2 == b.reservedText2 && same(a.reservedValue1, b.reservedValue1) &&
           same(a.reservedValue2, b.reservedValue2);
}

bool Holds(const CStatRecordArray& runs, const StatRecord& run) {
    return std::any_of(runs.rbegin(), runs.rend(),
                       [&run](const StatRecord& stored) { return SameRun(stored, run); });
}

bool FoldIn(CPupilStats& stats, const std::vector<KeptRun>& kept) {
    bool added = false;
    for (const KeptRun& one : kept) {
        if (Holds(stats, one.run))
            continue;
        // After the last run that is not later than this one.
        auto at = stats.end();
        while (at != stats.begin() && (at - 1)->date.LinearDays() > one.run.date.LinearDays())
            --at;
        stats.insert(at, one.run);
        for (const CharErrorCount& error : one.errors)
            stats.AddCharErrors(error.ch, error.count);
        added = true;
    }
    return added;
}

void RemoveFoldedRunFiles(const std::vector<RunFileName>& files, const std::set<std::string>& held,
                          const std::string& statFile) {
    std::error_code error;
    std::filesystem::file_time_type newest = std::filesystem::last_write_time(statFile, error);
    for (const RunFileName& file : files)
        newest = std::max(newest, std::filesystem::last_write_time(file.path, error));
    for (const RunFileName& file : files) {
        const auto written = std::filesystem::last_write_time(file.path, error);
        if (!error && written < newest - kKeptFor && held.contains(file.key))
            std::filesystem::remove(file.path, error);
    }
}
