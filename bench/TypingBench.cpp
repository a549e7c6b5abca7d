// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/TypingEdit.h"
#include "platform/ProgramContext.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>

#include <benchmark/benchmark.h>

// One keystroke in the typing field (the judgement and the field's update)
// must cost the same on a short lesson and on a very long one.

namespace {

// A lesson of about `bytes` of text in lines of the given length.
StringList LessonOf(int64_t bytes, size_t lineLength) {
    const std::string line(lineLength, 'a');
    return StringList(static_cast<size_t>(bytes) / (lineLength + 2), line);
}

class FieldOnScreen {
public:
    FieldOnScreen(int64_t bytes, size_t lineLength) {
        m_edit.resize(600, 300);
        m_session.SetLines(LessonOf(bytes, lineLength));
        m_edit.ShowSession();
        m_edit.show();
    }

    void Press(Qt::Key key, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&m_edit, &event);
        QApplication::processEvents(); // the repaint
    }

    CTypingEdit& Edit() { return m_edit; }

private:
    CExerciseSession m_session{TickSource::SteadyClock()};
    CTypingEdit m_edit{m_session};
};

// A correct character, then the second key, over and over: with Backspace
// the caret stays on the first typing line of 45-character lines, with Enter
// it moves on through one-character lines and the view follows it.
void TypeCharacterThen(benchmark::State& state, size_t lineLength, Qt::Key key, QString text) {
    FieldOnScreen field(state.range(0), lineLength);
    for (auto _ : state) {
        field.Press(Qt::Key_A, QStringLiteral("a"));
        field.Press(key, text);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// Counts a widget's paints and tells when the last one ended.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;
    QElapsedTimer sinceStart;
    qint64 lastPaintMs = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            lastPaintMs = sinceStart.elapsed();
        }
        return false;
    }
};

// 200 keys that arrive together, as a fast typist's burst or keys held
// back by a busy moment reach the field: counted are the field's paints,
// timed is the burst until its last paint.
void KeyBurst(benchmark::State& state) {
    constexpr int kKeys = 200;
    FieldOnScreen field(1 << 20, 45);
    CTypingEdit& edit = field.Edit();
    PaintWatch watch(*edit.viewport());
    QTest::qWait(50);
    int typed = 0;
    for (auto _ : state) {
        watch.paints = 0;
        watch.sinceStart.start();
        for (int key = 0; key < kKeys; ++key, ++typed) {
            const bool enter = typed % 46 == 45;
            QCoreApplication::postEvent(
                &edit,
                new QKeyEvent(QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_A, Qt::NoModifier,
                              enter ? QStringLiteral("\r") : QStringLiteral("a")));
        }
        QTest::qWait(100); // the keys, and the paints that follow them
        state.SetIterationTime(static_cast<double>(watch.lastPaintMs) / 1000);
        state.counters["paints"] = watch.paints;
    }
}

} // namespace

BENCHMARK(KeyBurst)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(TypeCharacterThen, Backspace, 45, Qt::Key_Backspace, QStringLiteral("\b"))
    ->Arg(1 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20);
// Fewer iterations than the shortest lesson has lines.
BENCHMARK_CAPTURE(TypeCharacterThen, Enter, 1, Qt::Key_Return, QStringLiteral("\r"))
    ->Arg(1 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Iterations(300);
