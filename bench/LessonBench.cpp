#include "lessons/LessonFile.h"
#include "lessons/WrapLines.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
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

} // namespace
