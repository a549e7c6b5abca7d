// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseSession.h"
#include "exercise/WeakKeyLesson.h"
#include "lessons/WordList.h"
#include "platform/BinaryFile.h"
#include "platform/Cp1250.h"

#include <benchmark/benchmark.h>

// The practice lesson is built while the pupil waits for its window: after
// the word list is read once, each lesson must take well under 10 ms on an
// old computer, whatever lessons and import texts are installed (they are
// not read for it). Measuring every key must not make a keystroke dearer.

namespace {

// A pupil who has typed every letter 60 times, slipping on ł, ż and K.
CKeyStats MeasuredPupil() {
    CKeyStats stats;
    std::vector<KeyPress> presses;
    for (const char key : Utf8ToCp1250("abcdefghijklmnoprstuwyząćęłńóśźżK,."))
        for (int i = 0; i < 60; ++i)
            presses.push_back(
                {key, !((key == '\xB3' || key == '\xBF' || key == 'K') && i % 4 == 0), 200});
    stats.Add(presses);
    return stats;
}

void BM_BuildPracticeLesson(benchmark::State& state) {
    ProgramFolders folders;
    folders.program = TASTRUM_DATA_DIR;
    const CWordList& words = SchoolWordList(folders);
    const CKeyStats pupil = MeasuredPupil();
    RandomEngine engine(1);
    for (auto _ : state) {
        const WeakKeyLesson lesson = MakeWeakKeyLesson(pupil, words, engine);
        benchmark::DoNotOptimize(lesson);
    }
}
BENCHMARK(BM_BuildPracticeLesson)->Unit(benchmark::kMillisecond);

void BM_ReadSchoolWordList(benchmark::State& state) {
    const std::string text = ReadBinaryFile(std::string(TASTRUM_DATA_DIR) + "/slowa.txt",
                                            kMaxTextFileBytes);
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(Utf8ToCp1250(text.substr(start, end - start)));
    for (auto _ : state) {
        const CWordList words(lines);
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(BM_ReadSchoolWordList)->Unit(benchmark::kMillisecond);

// Typing through a long lesson, each key judged by the model alone (as
// before keys were measured) and by the session that also measures it.
template <typename Judge> void TypeThrough(benchmark::State& state, Judge& judge) {
    const std::string line(45, 'a');
    const StringList lines(2000, line);
    judge.SetLines(lines);
    size_t typed = 0;
    for (auto _ : state) {
        if (++typed % 46 == 0)
            judge.OnChar('\r');
        else
            judge.OnChar('a');
        if (typed >= 2000 * 46 - 1) {
            state.PauseTiming();
            judge.SetLines(lines);
            typed = 0;
            state.ResumeTiming();
        }
    }
}

struct ModelOnly {
    CTypingModel model;
    void SetLines(const StringList& lines) { model.SetModelText(lines); }
    void OnChar(char ch) { benchmark::DoNotOptimize(model.OnChar(ch)); }
};

struct MeasuringSession {
    CExerciseSession session{TickSource::SteadyClock()};
    void SetLines(const StringList& lines) { session.SetLines(lines); }
    void OnChar(char ch) { benchmark::DoNotOptimize(session.OnChar(ch)); }
};

void BM_JudgeKeyWithoutMeasuring(benchmark::State& state) {
    ModelOnly judge;
    TypeThrough(state, judge);
}
BENCHMARK(BM_JudgeKeyWithoutMeasuring);

void BM_JudgeAndMeasureKey(benchmark::State& state) {
    MeasuringSession judge;
    TypeThrough(state, judge);
}
BENCHMARK(BM_JudgeAndMeasureKey);

} // namespace
