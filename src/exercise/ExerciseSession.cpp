#include "exercise/ExerciseSession.h"

#include "exercise/Grading.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kWholeText = 100.0;

} // namespace

CExerciseSession::CExerciseSession(const TickSource& clock)
    : m_typing(CStopwatch(clock.counter, clock.frequency)) {}

void CExerciseSession::SetLines(const StringList& lines) {
    m_empty = lines.empty();
    m_typing.SetModelText(lines);
}

ExerciseOutcome CExerciseSession::Outcome(const std::string& lessonName,
                                          const COleDateTime& when) const {
    ExerciseOutcome outcome;
    outcome.counts = {m_typing.Correct(), m_typing.Errors(), m_typing.Typed(), ElapsedMs()};
    outcome.charsPerMinute = CharactersPerMinute(outcome.counts.correct, outcome.counts.elapsedMs);
    outcome.charErrors = m_typing.CharErrors();
    outcome.record = MakeRunRecord(lessonName, outcome.counts, when);
    // A finished run keeps the record's reserved number at 0.
    if (!m_typing.IsFinished())
        outcome.record.reservedValue1 = UntypedPercentage();
    outcome.grade = GradeOfRun(outcome.record);
    return outcome;
}

double CExerciseSession::TypedPercentage() const {
    const double typed = ProgressPercentage(m_typing.ModelKeystrokes(), m_typing.Typed());
    return std::isfinite(typed) ? std::clamp(typed, 0.0, kWholeText) : 0.0;
}

double CExerciseSession::UntypedPercentage() const {
    return kWholeText - TypedPercentage();
}
