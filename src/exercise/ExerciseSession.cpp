#include "exercise/ExerciseSession.h"

#include "exercise/Grading.h"

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
    outcome.grade = GradeOfRun(outcome.record);
    return outcome;
}
