// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Paths.h"
#include "platform/ProgramContext.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStatFile.h"
#include "pupils/StoreRun.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

// A year or more of a keen pupil's runs over a handful of lessons, stored in
// a program folder of the benchmark's own that goes when it is done.
class StoredRuns {
public:
    explicit StoredRuns(long runs)
        : m_folder((std::filesystem::temp_directory_path() /
                    ("tastrum-store-bench-" + std::to_string(getpid())))
                       .string()),
          m_context(m_folder) {
        MakePupilFolder(Pupils(), kPupil);
        CPupilStats stats;
        for (long i = 0; i < runs; ++i)
            stats.push_back(Run(i));
        for (int c = 0; c < 60; ++c)
            stats.AddCharErrors(static_cast<char>('!' + c), c);
        SavePupilStats(Pupils(), kPupil, stats);
    }
    ~StoredRuns() { std::filesystem::remove_all(m_folder); }

    const PupilsFolder& Pupils() const { return m_context.Folders().pupils; }

    static StatRecord Run(long i) {
        StatRecord run;
        run.lesson = "0" + std::to_string(1 + i % 9) +
                     " Rz\xB9"
                     "d \x9Crodkowy"; // Rząd środkowy
        run.date = COleDateTime(46000.0 + static_cast<double>(i) / 20.0);
        run.charsPerMinute = 120.0 + static_cast<double>(i % 150);
        run.errorPercent = static_cast<double>(i % 11);
        return run;
    }

    static constexpr const char* kPupil = "\xA3ucja";

private:
    std::string m_folder;
    CProgramContext m_context;
};

void BM_LoadPupilStats(benchmark::State& state) {
    const StoredRuns stored(state.range(0));
    for (auto _ : state) {
        CPupilStats stats;
        LoadPupilStats(stored.Pupils(), StoredRuns::kPupil, stats);
        benchmark::DoNotOptimize(stats.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadPupilStats)
    ->Arg(1000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Each stored run also reaches the disk (fsync), as it does for a pupil.
void BM_StoreRun(benchmark::State& state) {
    const StoredRuns stored(state.range(0));
    const CharErrorArray errors{{'a', 2}, {'\xB9', 1}};
    long i = 0;
    for (auto _ : state)
        StoreRun(stored.Pupils(), StoredRuns::kPupil, StoredRuns::Run(i++), errors);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StoreRun)
    ->Arg(1000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
