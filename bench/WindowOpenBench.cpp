// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chooser/LessonDlg.h"
#include "exercise/ExerciseDlg.h"
#include "platform/InstantButtons.h"
#include "platform/ProgramContext.h"
#include "pupils/PupilDlg.h"
#include "stats/StatsDlg.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

// How soon a window shows what the pupil asked for.

namespace {

using Clock = std::chrono::steady_clock;

// Notes when a window of type T first paints and closes it again.
template <typename T> class FirstPaint : public QObject {
public:
    FirstPaint() { qApp->installEventFilter(this); }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    Clock::time_point At() const { return m_at; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && dynamic_cast<T*>(watched)) {
            m_at = Clock::now();
            QTimer::singleShot(0, static_cast<T*>(watched), &QDialog::reject);
        }
        return false;
    }

private:
    Clock::time_point m_at;
};

// Alt+S in the chooser until the statistics window's first paint, with the
// buttons acting at once (1) or as Qt does by itself (0).
void BM_AltSToStatisticsWindow(benchmark::State& state) {
    const QTemporaryDir folder;
    const ProgramFolders folders = PortableFolders(folder.path().toStdString());
    std::unique_ptr<CInstantButtons> instant;
    if (state.range(0))
        instant = std::make_unique<CInstantButtons>();
    CLessonDlg chooser(folders, false);
    chooser.show();
    const FirstPaint<CStatsDlg> painted;
    for (auto _ : state) {
        chooser.activateWindow();
        if (!QTest::qWaitForWindowActive(&chooser))
            state.SkipWithError("the chooser is not active");
        const Clock::time_point pressed = Clock::now();
        QTest::keyClick(&chooser, Qt::Key_S, Qt::AltModifier);
        while (painted.At() < pressed)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(std::chrono::duration<double>(painted.At() - pressed).count());
    }
}
BENCHMARK(BM_AltSToStatisticsWindow)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// The exercise window of a lesson of about a megabyte, from its making to
// its first paint.
void BM_ExerciseWindowOpens(benchmark::State& state) {
    const StringList lines(static_cast<size_t>(state.range(0)) / 47, std::string(45, 'a'));
    for (auto _ : state) {
        CExerciseSession session{TickSource::SteadyClock()};
        CExerciseDlg exercise(session);
        exercise.SetLines(lines);
        exercise.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(exercise.isVisible());
    }
}
BENCHMARK(BM_ExerciseWindowOpens)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
