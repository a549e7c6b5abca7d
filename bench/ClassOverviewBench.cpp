// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramContext.h"
#include "pupils/PupilFolders.h"
#include "pupils/PupilStats.h"
#include "teacher/ClassOverviewDlg.h"

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>

// A teacher opens the class overview at the start of a lesson: the pupils'
// files are read, or what the last program run kept of them, and the table
// is filled and painted. A class of 40 pupils with 20,000 runs each (six
// school years) must show within a few frames the first time after a fresh
// login, and within one frame when it opens again and no file has changed.

namespace {

constexpr int kLessons = 20;

std::string LessonName(int lesson) {
    return "Lekcja " + std::to_string(lesson + 1);
}

// A pupil who has typed every lesson many times over a school year.
CPupilStats ManyRuns(long count) {
    CPupilStats stats;
    for (long i = 0; i < count; ++i) {
        StatRecord run;
        run.lesson = LessonName(static_cast<int>(i % kLessons));
        run.date = COleDateTime(46000.0 + static_cast<double>(i) * 365.0 / count);
        run.charsPerMinute = 80.0 + static_cast<double>(i % 200);
        run.errorPercent = static_cast<double>(i % 37);
        stats.push_back(run);
    }
    for (int c = 0; c < 60; ++c)
        stats.AddCharErrors(static_cast<char>('!' + c), c % 13);
    return stats;
}

// A program folder of its own with a class of pupils, removed afterwards.
class BenchClass {
public:
    BenchClass(int pupils, long runs) : m_context(m_folder.path().toStdString()) {
        const CPupilStats stats = ManyRuns(runs);
        for (int pupil = 0; pupil < pupils; ++pupil) {
            const std::string name = "Uczeń " + std::to_string(pupil + 1);
            std::filesystem::create_directories(GetPupilFolder(Pupils(), name));
            stats.Save(GetStatFilePath(Pupils(), name));
        }
        for (int lesson = 0; lesson < kLessons; ++lesson)
            m_lessons.push_back(LessonName(lesson));
    }
    const std::vector<std::string>& Lessons() const { return m_lessons; }
    const PupilsFolder& Pupils() const { return m_context.Folders().pupils; }
    const std::string& Outbox() const { return m_context.Folders().outbox; }

private:
    QTemporaryDir m_folder;
    CProgramContext m_context;
    std::vector<std::string> m_lessons;
};

// Notes whether a widget has painted.
class PaintSeen : public QObject {
public:
    explicit PaintSeen(QWidget& widget) { widget.installEventFilter(this); }
    bool Painted() const { return m_painted; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        m_painted |= event->type() == QEvent::Paint;
        return false;
    }

private:
    bool m_painted = false;
};

// The window is made, shown and painted.
void OpenUntilPainted(CClassStore& store, const BenchClass& pupils, benchmark::State& state) {
    CClassOverviewDlg overview(store, pupils.Lessons(), pupils.Outbox());
    const PaintSeen table(*overview.Table().viewport());
    overview.show();
    QApplication::processEvents();
    if (!table.Painted())
        state.SkipWithError("the table did not paint");
}

// The user's cache folder, which the benchmarks' main made for this run.
void ForgetTheLastProgramRun() {
    std::filesystem::remove_all(qEnvironmentVariable("XDG_CACHE_HOME").toStdString());
}

// The first time after a fresh login: the last program run kept what it
// read of the class, and no pupil has typed since.
void BM_ClassOverviewFirstOpen(benchmark::State& state) {
    const BenchClass pupils(static_cast<int>(state.range(0)), state.range(1));
    CClassStore(pupils.Pupils()).Refresh(pupils.Lessons());
    for (auto _ : state) {
        CClassStore store(pupils.Pupils());
        OpenUntilPainted(store, pupils, state);
    }
}
BENCHMARK(BM_ClassOverviewFirstOpen)
    ->Args({40, 20000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// The first time with nothing kept: every file is read.
void BM_ClassOverviewColdOpen(benchmark::State& state) {
    const BenchClass pupils(static_cast<int>(state.range(0)), state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        ForgetTheLastProgramRun();
        state.ResumeTiming();
        CClassStore store(pupils.Pupils());
        OpenUntilPainted(store, pupils, state);
    }
}
BENCHMARK(BM_ClassOverviewColdOpen)
    ->Args({40, 2000})
    ->Args({40, 20000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Opened again in the same program run while no pupil has typed since.
void BM_ClassOverviewOpenAgain(benchmark::State& state) {
    const BenchClass pupils(static_cast<int>(state.range(0)), state.range(1));
    CClassStore store(pupils.Pupils());
    store.Refresh(pupils.Lessons());
    for (auto _ : state)
        OpenUntilPainted(store, pupils, state);
}
BENCHMARK(BM_ClassOverviewOpenAgain)
    ->Args({40, 20000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace
