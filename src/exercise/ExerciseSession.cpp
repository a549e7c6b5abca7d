// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/ExerciseSession.h"

#include "exercise/Grading.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kWholeText = 100.0;
// A longer pause is a rest, not the time a key took.
constexpr double kLongestPauseMs = 5000.0;

} // namespace

CExerciseSession::CExerciseSession(const TickSource& clock)
    : m_clock(clock), m_typing(CStopwatch(clock.counter, clock.frequency)) {}

void CExerciseSession::SetLines(const StringList& lines) {
    m_empty = lines.empty();
    m_typing.SetModelText(lines);
    m_keyPresses.clear();
    // Every character gets one at most: reserved at once, the log of a long
    // lesson never holds the spare half of a doubled vector.
    m_keyPresses.reserve(static_cast<size_t>(m_typing.ModelKeystrokes()));
    m_furthest = Caret();
    m_furthestTried = false;
    m_lastKeyMs = -1.0;
}

double CExerciseSession::NowMs() const {
    return static_cast<double>(m_clock.counter()) * 1000.0 / static_cast<double>(m_clock.frequency);
}

TypingStep CExerciseSession::OnChar(char ch, int firstVisibleLine) {
    const std::optional<char> expected = m_typing.ExpectedChar();
    const Position at = Caret();
    const TypingStep step = m_typing.OnChar(ch, firstVisibleLine);
    const double now = NowMs();
    if (ch != CTypingModel::kBackspace && expected && at == m_furthest && !m_furthestTried) {
        const double since = m_lastKeyMs < 0 ? -1.0 : now - m_lastKeyMs;
        m_keyPresses.push_back(
            {*expected, ch == *expected,
             static_cast<int16_t>(since > kLongestPauseMs ? -1.0 : std::round(since))});
        m_furthestTried = true;
    }
    if (step.edit == TypingStep::Edit::InsertChar || step.edit == TypingStep::Edit::MoveCaret) {
        m_lastKeyMs = now;
        if (Caret() > m_furthest) {
            m_furthest = Caret();
            m_furthestTried = false;
        }
    }
    return step;
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
    outcome.keyPresses = m_keyPresses;
    return outcome;
}

double CExerciseSession::TypedPercentage() const {
    const double typed = ProgressPercentage(m_typing.ModelKeystrokes(), m_typing.Typed());
    return std::isfinite(typed) ? std::clamp(typed, 0.0, kWholeText) : 0.0;
}

double CExerciseSession::UntypedPercentage() const {
    return kWholeText - TypedPercentage();
}
