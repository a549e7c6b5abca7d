// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseDlg.h"
#include "exercise/TypingEdit.h"
#include "lessons/LessonFile.h"
#include "lessons/WrapLines.h"
#include "platform/ProgramContext.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// A lesson of the given number of lines, written once into the temporary
// folder and removed when the benchmark is done with it. It is saved as
// UTF-8, the slower of the two encodings to read.
class BenchLesson {
public:
    explicit BenchLesson(long lines)
        : m_path(
              (std::filesystem::temp_directory_path() /
               ("tastrum-bench-" + std::to_string(getpid()) + "-" + std::to_string(lines) + ".ini"))
                  .string()) {
        std::ofstream out(m_path, std::ios::binary);
        out << "[General]\r\ndescription=Długa lekcja\r\n[LESSON]\r\n";
        for (long i = 0; i < lines; ++i)
            out << "line=Ala ma kota, a kot ma Ale. Linia " << i << "\r\n";
        out << "[RANDOM_LESSON]\r\nr=asdf|5|3|\r\n";
    }
    ~BenchLesson() { std::filesystem::remove(m_path); }

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

void BM_ReadLessonSection(benchmark::State& state) {
    const BenchLesson lesson(state.range(0));
    const LessonFile file(lesson.Path());
    for (auto _ : state) {
        StringList values;
        file.ReadSectionValues("LESSON", values);
        file.ReadSectionValues("RANDOM_LESSON", values);
        benchmark::DoNotOptimize(values);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadLessonSection)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

void BM_WrapOneLongLine(benchmark::State& state) {
    std::string text;
    while (static_cast<long>(text.size()) < state.range(0))
        text += "Ala ma kota, a kot ma Ale. ";
    for (auto _ : state) {
        StringList pieces;
        WrapLine(text, pieces, kWrapWidth, kWrapSlack);
        benchmark::DoNotOptimize(pieces);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WrapOneLongLine)
    ->Arg(500'000)
    ->Arg(5'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A book of about 1 MB imported into a lesson, in lines wrapped as a
// lesson's are.
const StringList& BookLines() {
    static const StringList lines = [] {
        std::string text;
        while (text.size() < (1u << 20))
            text += "Ala ma kota, a kot ma Ale. ";
        StringList wrapped;
        WrapLine(text, wrapped, kWrapWidth, kWrapSlack);
        return wrapped;
    }();
    return lines;
}

// Runs what the window has left to do after it opened (later parts of the
// text, repaints) until nothing is left.
void Settle() {
    while (QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents)) {
    }
}

struct OpenExercise {
    CExerciseSession session{TickSource::SteadyClock()};
    CExerciseDlg window{session};
    explicit OpenExercise(const StringList& lines) {
        window.SetLines(lines);
        window.show();
        Settle();
    }
};

// From the exercise window's opening with the book until it has settled.
void BM_OpenBookLesson(benchmark::State& state) {
    const StringList& lines = BookLines();
    for (auto _ : state) {
        auto exercise = std::make_unique<OpenExercise>(lines);
        state.PauseTiming();
        exercise.reset();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenBookLesson)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// What the process holds, in MiB: its resident pages and its proportional
// share of them, once the allocator has given back what it keeps unused.
struct Memory {
    double rss = 0, pss = 0;
};

Memory MemoryNow() {
    malloc_trim(0);
    Memory memory;
    std::ifstream rollup("/proc/self/smaps_rollup");
    for (std::string line; std::getline(rollup, line);) {
        std::istringstream fields(line);
        std::string key;
        double kb = 0;
        fields >> key >> kb;
        if (key == "Rss:")
            memory.rss = kb / 1024;
        else if (key == "Pss:")
            memory.pss = kb / 1024;
    }
    return memory;
}

void Press(QWidget& field, Qt::Key key, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &event);
}

// What the typing field with the book holds once it has opened, and once
// the pupil has typed the book through, each line drawn as it is typed. The
// field stands alone, at its size in the window, with the colours on: the
// rest of the window holds the same on any lesson.
void BM_TypeThroughBookLesson(benchmark::State& state) {
    const StringList& lines = BookLines();
    for (auto _ : state) {
        const Memory before = MemoryNow();
        CExerciseSession session{TickSource::SteadyClock()};
        session.SetLines(lines);
        CTypingEdit field(session);
        field.resize(640, 300);
        field.ShowSession();
        field.ShowAids(true);
        field.show();
        Settle();
        const Memory opened = MemoryNow();
        for (const std::string& line : lines) {
            for (const char ch : line)
                Press(field, Qt::Key_A, QString(QChar(ch)));
            Press(field, Qt::Key_Return, QStringLiteral("\r"));
            Settle();
        }
        const Memory typed = MemoryNow();
        state.counters["opened_rss_MiB"] = opened.rss - before.rss;
        state.counters["opened_pss_MiB"] = opened.pss - before.pss;
        state.counters["typed_rss_MiB"] = typed.rss - before.rss;
        state.counters["typed_pss_MiB"] = typed.pss - before.pss;
        if (!session.IsFinished())
            state.SkipWithError("the book was not typed through");
    }
}
BENCHMARK(BM_TypeThroughBookLesson)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
