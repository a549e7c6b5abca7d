// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TypingEdit.h"
#include "platform/ErrorSound.h"
#include "platform/ProgramContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

// The beep of a wrong key, played through the sound server (run these with
// one, a PulseAudio null sink will do; without one they time the silent
// path). A wrong key must reach the screen as fast as a right one, and the
// beep must cost the program little CPU, whether the beeps come close
// together or a quiet while apart. The time shown is the key's own thread's;
// cpu_ms is the whole program's CPU per key, in every thread.

namespace {

// Keys come this far apart, so that every beep finds the sound at rest.
constexpr int kCloseTogetherMs = 400;
constexpr int kQuietWhileApartMs = 1500;

double ProcessCpuMs() {
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
}

// The program's error sound, "error.wav" of the shipped data.
class ProgramWithSound {
public:
    ErrorBeep Beep() {
        return {[this] { m_sound.Load(); }, [this] { m_sound.Play(); }};
    }

private:
    CErrorSound m_sound{TASTRUM_DATA_DIR};
};

// Times `step` alone, with `keyGapMs` of the event loop after each, and
// counts the program's CPU over all of it.
template <typename Step>
void TimeKeys(benchmark::State& state, int keyGapMs, Step step, auto afterStep) {
    const double cpuBefore = ProcessCpuMs();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        afterStep();
        QTest::qWait(keyGapMs);
    }
    state.counters["cpu_ms"] =
        (ProcessCpuMs() - cpuBefore) / static_cast<double>(state.iterations());
}

// Handing the beep over: what playing the error sound costs the key that
// calls it.
void HandOverBeep(benchmark::State& state) {
    ProgramWithSound program;
    const ErrorBeep beep = program.Beep();
    beep.load();
    QTest::qWait(kQuietWhileApartMs);
    TimeKeys(
        state, static_cast<int>(state.range(0)), [&beep] { beep.play(); }, [] {});
}

// One key typed into the field on screen and drawn: a wrong one (which
// beeps) or a right one, each taken back with Backspace while not timed.
void KeyDrawn(benchmark::State& state, Qt::Key key, QString text) {
    ProgramWithSound program;
    CExerciseSession session(TickSource::SteadyClock());
    session.SetLines(StringList(20, std::string(45, 'a')));
    CTypingEdit edit(session, program.Beep());
    edit.resize(600, 300);
    edit.ShowSession();
    edit.show();
    const auto press = [&](Qt::Key pressed, const QString& typed) {
        QKeyEvent event(QEvent::KeyPress, pressed, Qt::NoModifier, typed);
        QApplication::sendEvent(&edit, &event);
        QApplication::processEvents(); // the repaint
    };
    QTest::qWait(kQuietWhileApartMs);
    TimeKeys(
        state, static_cast<int>(state.range(0)), [&] { press(key, text); },
        [&] { press(Qt::Key_Backspace, QStringLiteral("\b")); });
}

} // namespace

BENCHMARK(HandOverBeep)
    ->Arg(kCloseTogetherMs)
    ->Arg(kQuietWhileApartMs)
    ->Iterations(12)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeyDrawn, Wrong, Qt::Key_Q, QStringLiteral("q"))
    ->Arg(kCloseTogetherMs)
    ->Arg(kQuietWhileApartMs)
    ->Iterations(12)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeyDrawn, Right, Qt::Key_A, QStringLiteral("a"))
    ->Arg(kCloseTogetherMs)
    ->Iterations(12)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
