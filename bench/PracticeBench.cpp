#include "exercise/ExerciseSession.h"
#include "exercise/WeakKeyLesson.h"
#include "lessons/CourseTexts.h"
#include "lessons/LessonListing.h"
#include "platform/Cp1250.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

// The practice lesson is built while the pupil waits for its window: from
// the whole course (16 lessons and a 1 MB import text) it must take well
// under 50 ms. Measuring every key must not make a keystroke dearer.

namespace {

// A course of 16 lessons in a folder of its own, one importing a 1 MB text
// of Polish words.
class BenchCourse {
public:
    BenchCourse()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tastrum-bench-course-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(m_folder);
        const std::string words = Utf8ToCp1250(
            "Żółw łowi żaby, łabędź żuje łodygi, mały łoś idzie przez łąkę do lasu. ");
        std::ofstream text(m_folder / "tekst.txt", std::ios::binary);
        for (size_t written = 0; written < (size_t{1} << 20); written += words.size())
            text << words << "\r\n";
        for (int lesson = 1; lesson <= 16; ++lesson) {
            std::ofstream out(m_folder / ("Lekcja " + std::to_string(lesson) + ".ini"),
                              std::ios::binary);
            out << "[Special]\r\n" << (lesson == 16 ? "ImportText=tekst.txt\r\n" : "")
                << "[LESSON]\r\n";
            for (int line = 0; line < 12; ++line)
                out << "line=" << words << lesson << "\r\n";
        }
    }
    ~BenchCourse() { std::filesystem::remove_all(m_folder); }

    std::string Folder() const { return m_folder.string(); }

private:
    std::filesystem::path m_folder;
};

// A pupil who has typed the course's letters, slipping on ł and ż.
CKeyStats MeasuredPupil() {
    CKeyStats stats;
    std::vector<KeyPress> presses;
    for (const char key : Utf8ToCp1250("abcdefghijklmnoprstuwyząćęłńóśźż"))
        for (int i = 0; i < 30; ++i)
            presses.push_back({key, !((key == '\xB3' || key == '\xBF') && i < 10), 200});
    stats.Add(presses);
    return stats;
}

void BM_BuildPracticeLessonFromTheCourse(benchmark::State& state) {
    const BenchCourse course;
    const CKeyStats pupil = MeasuredPupil();
    RandomEngine engine(1);
    for (auto _ : state) {
        const WeakKeyLesson lesson =
            MakeWeakKeyLesson(pupil, CourseTexts(ListLessonFiles({course.Folder()})), engine);
        benchmark::DoNotOptimize(lesson);
    }
}
BENCHMARK(BM_BuildPracticeLessonFromTheCourse)->Unit(benchmark::kMillisecond);

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
