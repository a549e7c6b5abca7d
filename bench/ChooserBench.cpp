// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chooser/LessonListBox.h"
#include "platform/Paths.h"
#include "platform/ProgramContext.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilRegistry.h"
#include "pupils/PupilStatFile.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

constexpr int kLessons = 100;

std::string LessonName(int i) {
    return "Lekcja " + std::to_string(i);
}

// A chooser list of 100 lessons for a pupil with the given number of stored
// runs, painted on the offscreen platform.
class PaintedChooser {
public:
    explicit PaintedChooser(long runs)
        : m_folder((std::filesystem::temp_directory_path() /
                    ("tastrum-chooser-bench-" + std::to_string(getpid())))
                       .string()),
          m_context(m_folder) {
        m_list.SetPupil(Pupils(), "Ola");
        for (long i = 0; i < runs; ++i) {
            StatRecord run;
            run.lesson = LessonName(static_cast<int>(i % kLessons));
            run.charsPerMinute = 40.0 + i % 90;
            run.errorPercent = i % 9;
            m_stats.push_back(run);
        }
        std::filesystem::create_directories(GetPupilFolder(Pupils(), "Ola"));
        Store();
        for (int i = 0; i < kLessons; ++i)
            m_list.AddLesson(LessonName(i), "");
        m_list.MarkNextLesson(false);
        m_list.resize(600, kLessons * 20);
        m_list.show();
        QCoreApplication::processEvents();
    }
    ~PaintedChooser() { std::filesystem::remove_all(m_folder); }

    const PupilsFolder& Pupils() const { return m_context.Folders().pupils; }

    void Store() { SavePupilStats(Pupils(), "Ola", m_stats); }
    void Paint() { benchmark::DoNotOptimize(m_list.viewport()->grab()); }
    // What the chooser does when a lesson run has ended.
    void RegradeAndPaint() {
        m_list.MarkNextLesson(false);
        Paint();
    }

private:
    std::string m_folder;
    CProgramContext m_context;
    CPupilStats m_stats;
    CLessonListBox m_list;
};

void BM_ChooserRepaintUnchanged(benchmark::State& state) {
    PaintedChooser chooser(state.range(0));
    chooser.Paint();
    for (auto _ : state)
        chooser.Paint();
}
BENCHMARK(BM_ChooserRepaintUnchanged)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Each repaint follows a new save of stat.dat, as after a lesson run; the
// save itself is not timed.
void BM_ChooserRepaintJustChanged(benchmark::State& state) {
    PaintedChooser chooser(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        chooser.Store();
        state.ResumeTiming();
        chooser.Paint();
    }
}
BENCHMARK(BM_ChooserRepaintJustChanged)->Arg(20'000)->Unit(benchmark::kMillisecond);

// The list after a lesson run: the grades are taken again from the stat.dat
// the run has just changed (read and decoded again), and the list is
// painted.
void BM_ChooserRegradeAfterRun(benchmark::State& state) {
    PaintedChooser chooser(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        chooser.Store();
        state.ResumeTiming();
        chooser.RegradeAndPaint();
    }
}
BENCHMARK(BM_ChooserRegradeAfterRun)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The list regraded when stat.dat has not changed, as when the pupil comes
// back from a window that stored nothing.
void BM_ChooserRegradeUnchanged(benchmark::State& state) {
    PaintedChooser chooser(state.range(0));
    for (auto _ : state)
        chooser.RegradeAndPaint();
}
BENCHMARK(BM_ChooserRegradeUnchanged)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
