// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Memory.h"
#include "platform/Paths.h"
#include "platform/ProgramContext.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStatFile.h"
#include "stats/CharErrorRanking.h"
#include "stats/ChartGeometry.h"
#include "stats/LessonHistory.h"
#include "stats/LessonSummary.h"
#include "stats/ProgressChart.h"
#include "stats/StatsDlg.h"

#include <QListWidget>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The chart's size in the window at the usual dialog font.
constexpr int kChartWidth = 595;
constexpr int kChartHeight = 130;

// A pupil who has typed one lesson many times, over a year of school days,
// and mistyped a hundred different characters on the way.
CPupilStats ManyRuns(long count) {
    CPupilStats stats;
    for (long i = 0; i < count; ++i) {
        StatRecord run;
        run.lesson = "wiersze";
        run.date = COleDateTime(46000.0 + static_cast<double>(i) * 365.0 / count);
        run.charsPerMinute = 80.0 + static_cast<double>(i % 200);
        run.errorPercent = static_cast<double>(i % 37);
        stats.push_back(run);
    }
    for (int c = 0; c < 100; ++c)
        stats.AddCharErrors(static_cast<char>(33 + c), (c * 7) % 23);
    return stats;
}

// A memory figure of this process from /proc/self/status ("VmRSS:" for all
// it holds in memory, "RssAnon:" for its heap and other anonymous pages).
double StatusMegabytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(field.size())) / 1024.0;
    return 0;
}

// A program folder of its own with one pupil, Ania, who has the given runs;
// removed when the benchmark is done with it.
class BenchProgramFolder {
public:
    explicit BenchProgramFolder(long runs)
        : m_path((std::filesystem::temp_directory_path() /
                  ("tastrum-stats-bench-" + std::to_string(getpid())))
                     .string()),
          m_context(m_path) {
        std::filesystem::create_directories(m_path + "/Data/Pupils/Ania");
        SavePupilStats(Pupils(), "Ania", ManyRuns(runs));
    }
    ~BenchProgramFolder() { std::filesystem::remove_all(m_path); }

    const PupilsFolder& Pupils() const { return m_context.Folders().pupils; }

private:
    std::string m_path;
    CProgramContext m_context;
};

// What the window computes for a chosen lesson, without loading or drawing.
void BM_StatsSummaryAndChart(benchmark::State& state) {
    const CLessonHistory history(ManyRuns(state.range(0)));
    for (auto _ : state) {
        const ShownRuns& runs = history.RunsOf("wiersze");
        benchmark::DoNotOptimize(FormatMostMistypedChars(history.CharErrors()));
        benchmark::DoNotOptimize(SummariseLesson("wiersze", runs));
        benchmark::DoNotOptimize(
            ComputeChartBars(kChartWidth, kChartHeight, runs, BestSpeed(runs)));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StatsSummaryAndChart)->Arg(2000)->Arg(20000)->Complexity(benchmark::oN);

// Choosing the lesson in the window: the pupil's file is read, the runs are
// selected, the texts and the chart are rebuilt and the chart is painted.
void BM_StatsWindowChooseLesson(benchmark::State& state) {
    const BenchProgramFolder folder(state.range(0));
    CStatsDlg dialog(folder.Pupils(), "Ania");
    dialog.show();
    auto* lessons = dialog.findChild<QListWidget*>(QStringLiteral("control1026"));
    auto* chart = dialog.findChild<CProgressChart*>();
    for (auto _ : state) {
        lessons->clearSelection();
        lessons->setCurrentRow(0);
        benchmark::DoNotOptimize(chart->grab());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StatsWindowChooseLesson)
    ->Arg(2000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A repaint of the chart alone, as when another window uncovers it.
void BM_StatsChartRepaint(benchmark::State& state) {
    const BenchProgramFolder folder(state.range(0));
    CStatsDlg dialog(folder.Pupils(), "Ania");
    dialog.show();
    dialog.findChild<QListWidget*>(QStringLiteral("control1026"))->setCurrentRow(0);
    auto* chart = dialog.findChild<CProgressChart*>();
    for (auto _ : state)
        benchmark::DoNotOptimize(chart->grab());
}
BENCHMARK(BM_StatsChartRepaint)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The memory a long history takes while the window shows it, and what is
// left of it once the window is closed and the chooser has given the freed
// memory back, as the chooser does.
void BM_StatsWindowMemory(benchmark::State& state) {
    const BenchProgramFolder folder(state.range(0));
    ReturnFreedMemory();
    const double before = StatusMegabytes("VmRSS:");
    const double anonymousBefore = StatusMegabytes("RssAnon:");
    double open = 0;
    double anonymousOpen = 0;
    for (auto _ : state) {
        CStatsDlg dialog(folder.Pupils(), "Ania");
        dialog.show();
        dialog.findChild<QListWidget*>(QStringLiteral("control1026"))->setCurrentRow(0);
        benchmark::DoNotOptimize(dialog.grab());
        open = StatusMegabytes("VmRSS:");
        anonymousOpen = StatusMegabytes("RssAnon:");
    }
    ReturnFreedMemory();
    state.counters["MB_open"] = open - before;
    state.counters["MB_anonymous_open"] = anonymousOpen - anonymousBefore;
    state.counters["MB_after_close"] = StatusMegabytes("VmRSS:") - before;
}
BENCHMARK(BM_StatsWindowMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
