// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseDlg.h"
#include "exercise/KeyboardPanel.h"
#include "exercise/TypingEdit.h"
#include "exercise/TypingModel.h"
#include "platform/ProgramContext.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

// One keystroke in the exercise window with the on-screen keyboard shown
// must cost at most a little more than with it hidden, on any lesson length
// (CPU time: the real time holds the waits for the keyboard).

namespace {

void Press(QWidget& field, Qt::Key key, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &event);
    QApplication::processEvents(); // the repaint
}

// A key, and the keyboard following it a moment later; only the CPU time
// counts, not the moment waited.
void PressAndFollow(QWidget& field, Qt::Key key, const QString& text) {
    Press(field, key, text);
    std::this_thread::sleep_for(std::chrono::milliseconds(3));
    QApplication::processEvents();
}

// A correct character then Backspace, over and over, on 45-character lines
// of a lesson of state.range(0) bytes; each key lights another key.
void KeystrokeInExercise(benchmark::State& state, bool keyboardShown) {
    std::string line;
    while (line.size() < 45)
        line += "ab";
    CExerciseSession session{TickSource::SteadyClock()};
    CExerciseDlg exercise(session);
    exercise.SetLines(StringList(static_cast<size_t>(state.range(0)) / 47, line));
    exercise.ShowKeyboard(keyboardShown);
    exercise.show();
    auto& field = *exercise.findChild<CTypingEdit*>();
    for (auto _ : state) {
        const auto press = keyboardShown ? PressAndFollow : Press;
        press(field, Qt::Key_A, QStringLiteral("a"));
        press(field, Qt::Key_Backspace, QStringLiteral("\b"));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// A key at the start and near the end of a 1 MB lesson that the pupil has
// typed through (range 0 or 1), keyboard hidden, with the window's status
// tick after each key (CPU time): a key costs the same wherever it falls.
void KeystrokeInABook(benchmark::State& state) {
    const std::string line(45, 'a');
    const StringList lines((1u << 20) / 47, line);
    CExerciseSession session{TickSource::SteadyClock()};
    CExerciseDlg exercise(session);
    exercise.SetLines(lines);
    exercise.ShowKeyboard(false);
    exercise.show();
    auto& field = *exercise.findChild<CTypingEdit*>();
    if (state.range(0)) {
        for (size_t i = 0; i + 1 < lines.size(); ++i) {
            for (const char ch : line)
                session.OnChar(ch, 0);
            session.OnChar(CTypingModel::kEnter, 0);
        }
        field.ShowSession();
    }
    QApplication::processEvents();
    for (auto _ : state) {
        Press(field, Qt::Key_A, QStringLiteral("a"));
        exercise.Tick();
        Press(field, Qt::Key_Backspace, QStringLiteral("\b"));
        exercise.Tick();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// The keyboard's own share of a keystroke: following it and repainting what
// it changed, alone on screen. Each key lights another key, another finger
// and another line.
void KeyboardFollowsKeystroke(benchmark::State& state) {
    CTypingModel typing;
    typing.SetModelText({std::string(45, 'a') + std::string(45, 'b')});
    CKeyboardPanel panel;
    panel.resize(700, 160);
    panel.show();
    const auto type = [&](char ch) {
        const std::optional<char> expected = typing.ExpectedChar();
        typing.OnChar(ch);
        panel.Follow(typing, expected, ch);
        QApplication::processEvents(); // the repaint
    };
    for (int column = 0; column < 44; ++column)
        type('a');
    for (auto _ : state) {
        type('a');
        type(CTypingModel::kBackspace);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

} // namespace

BENCHMARK(KeyboardFollowsKeystroke);
BENCHMARK(KeystrokeInABook)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(KeystrokeInExercise, KeyboardHidden, false)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK_CAPTURE(KeystrokeInExercise, KeyboardShown, true)->Arg(1 << 10)->Arg(1 << 20);
