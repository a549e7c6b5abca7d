#include "pupils/RunFiles.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/FileStamp.h"
#include "pupils/StatFile.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
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

std::string UniqueName() {
    static std::mt19937_64 random{std::random_device{}() ^
                                  static_cast<uint64_t>(::getpid()) << 32};
    static std::atomic<unsigned> counter{0};
    char name[64];
    std::snprintf(name, sizeof name, "%016llx-%d-%u",
                  static_cast<unsigned long long>(random()), static_cast<int>(::getpid()),
                  counter++);
    return std::string(kPrefix) + name + std::string(kExtension);
}

bool IsRunFileName(const std::string& name) {
    return name.starts_with(kPrefix) && name.ends_with(kExtension);
}

double Days(const StatRecord& run) {
    return run.date.GetStatus() == COleDateTime::valid ? run.date.LinearDays() : 0.0;
}

} // namespace

std::string KeepRunFile(const std::string& pupilFolder, const StatRecord& run,
                        const CharErrorArray& errors) {
    CPupilStats one;
    one.push_back(run);
    one.m_charErrors = errors;
    const std::string path = pupilFolder + "/" + UniqueName();
    WriteFileAtomically(path, EncodeStatFile(one));
    return path;
}

std::vector<KeptRun> ReadRunFiles(const std::string& pupilFolder) {
    std::vector<KeptRun> kept;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(pupilFolder, error), end;
         !error && entry != end; entry.increment(error)) {
        if (!IsRunFileName(entry->path().filename().string()))
            continue;
        const std::string path = entry->path().string();
        try {
            const std::optional<std::string> bytes = ReadBinaryFileIfPresent(path, kMaxStatFileBytes);
            CPupilStats one;
            if (bytes)
                DecodeStatFile(*bytes, path, one);
            if (one.size() == 1)
                kept.push_back({path, one.front(), one.m_charErrors,
                                FileStamp::Of(path).modifiedNs});
        } catch (const FileError&) {
        }
    }
    // Runs of one moment (a test's, or a clock's that is off) in the order
    // they were kept.
    std::sort(kept.begin(), kept.end(), [](const KeptRun& a, const KeptRun& b) {
        return std::pair(Days(a.run), a.keptNs) < std::pair(Days(b.run), b.keptNs);
    });
    return kept;
}

bool SameRun(const StatRecord& a, const StatRecord& b) {
    const auto same = [](double x, double y) {
        return std::bit_cast<uint64_t>(x) == std::bit_cast<uint64_t>(y);
    };
    return a.lesson == b.lesson && same(a.charsPerMinute, b.charsPerMinute) &&
           same(a.date.Value(), b.date.Value()) &&
           a.date.GetStatus() == b.date.GetStatus() && same(a.errorPercent, b.errorPercent) &&
           a.reservedText1 == b.reservedText1 && a.reservedText2 == b.reservedText2 &&
           same(a.reservedValue1, b.reservedValue1) && same(a.reservedValue2, b.reservedValue2);
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
        while (at != stats.begin() && Days(*(at - 1)) > Days(one.run))
            --at;
        stats.insert(at, one.run);
        for (const CharErrorCount& error : one.errors)
            stats.AddCharErrors(error.ch, error.count);
        added = true;
    }
    return added;
}

void RemoveFoldedRunFiles(const std::vector<KeptRun>& kept, const CStatRecordArray& stats,
                          const std::string& statFile) {
    std::error_code error;
    std::filesystem::file_time_type newest = std::filesystem::last_write_time(statFile, error);
    for (const KeptRun& one : kept)
        newest = std::max(newest, std::filesystem::last_write_time(one.path, error));
    for (const KeptRun& one : kept) {
        const auto written = std::filesystem::last_write_time(one.path, error);
        if (!error && written < newest - kKeptFor && Holds(stats, one.run))
            std::filesystem::remove(one.path, error);
    }
}
