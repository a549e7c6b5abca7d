#include "exercise/ExerciseSession.h"

#include "exercise/Grading.h"
#include "exercise/RunRecord.h"

CExerciseSession::CExerciseSession(const TickSource& clock)
    : m_typing(CStopwatch(clock.counter, clock.frequency)) {}

void CExerciseSession::SetLines(const StringList& lines) {
    m_empty = lines.empty();
    m_typing.SetModelText(lines);
}

ExerciseOutcome CExerciseSession::Outcome(const std::string& lessonName,
                                          const COleDateTime& when) const {
    ExerciseOutcome outcome;
    outcome.correct = m_typing.Correct();
    outcome.errors = m_typing.Errors();
    outcome.typed = m_typing.Typed();
    outcome.elapsedMs = ElapsedMs();
    outcome.charsPerMinute = CharactersPerMinute(outcome.correct, outcome.elapsedMs);
    outcome.charErrors = m_typing.CharErrors();
    outcome.record = MakeRunRecord(
        lessonName, {outcome.correct, outcome.errors, outcome.typed, outcome.elapsedMs}, when);
    outcome.grade = GradeOfRun(outcome.record);
    return outcome;
}
