// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/RunRecord.h"
#include "exercise/TypingModel.h"
#include "platform/ProgramContext.h"
#include "platform/StringList.h"
#include "pupils/CharErrorCount.h"
#include "pupils/KeyPress.h"
#include "pupils/StatRecord.h"

#include <optional>
#include <string>
#include <vector>

// How one run of a lesson came out: what was counted, how it is judged,
// and the record that is stored for it.
struct ExerciseOutcome {
    RunCounts counts;
    double charsPerMinute = 0.0;
    int grade = 0;
    CharErrorArray charErrors;
    StatRecord record;
    std::vector<KeyPress> keyPresses;
};

// One run of a lesson: the typing model and its stopwatch, which runs from
// the session's start, restarts at the pupil's first key and stops when the
// last line is done. The exercise window shows it and forwards the keys; the
// lesson run stores its outcome.
class CExerciseSession {
public:
    explicit CExerciseSession(const TickSource& clock);

    void SetLines(const StringList& lines);
    // True until lines are given, and when the lesson gave none.
    bool IsEmpty() const { return m_empty; }

    // Judges one typed byte (see CTypingModel::OnChar), and measures it
    // when it is the first try at its character; a pause of more than 5
    // seconds before it is a rest and gives no time.
    TypingStep OnChar(char ch, int firstVisibleLine = 0);

    const CTypingModel& Typing() const { return m_typing; }
    bool IsFinished() const { return m_typing.IsFinished(); }
    double ElapsedMs() const {
        return m_heldMs ? *m_heldMs : m_typing.Stopwatch().ElapsedMs();
    }
    // The run's time as it is when the pupil asks to end: the question that
    // follows takes no time from the run; Release lets it run on.
    void HoldTime() { m_heldMs = ElapsedMs(); }
    void ReleaseTime() { m_heldMs.reset(); }

    // How much of the text stands typed, and how much not, in percent from 0
    // to 100.
    double TypedPercentage() const;
    double UntypedPercentage() const;

    // The run as it stands now, its record dated when. A run ended before
    // its text was done keeps the untyped percentage in the record's first
    // reserved number, so the teacher sees it was cut short; a finished
    // run leaves it 0.
    ExerciseOutcome Outcome(const std::string& lessonName, const COleDateTime& when) const;

    const std::vector<KeyPress>& KeyPresses() const { return m_keyPresses; }

private:
    struct Position {
        int line = 0, column = 0;
        auto operator<=>(const Position&) const = default;
    };
    Position Caret() const { return {m_typing.CaretLine(), m_typing.CaretColumn()}; }
    double NowMs() const;

    TickSource m_clock;
    CTypingModel m_typing;
    bool m_empty = true;
    std::vector<KeyPress> m_keyPresses;
    // The furthest the caret has been: a key there is a first try, one
    // behind it a correction.
    Position m_furthest;
    bool m_furthestTried = false;
    double m_lastKeyMs = -1.0;
    std::optional<double> m_heldMs;
};
