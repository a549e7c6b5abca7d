// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/StringList.h"
#include "pupils/PupilStats.h"
#include "stats/ShownRun.h"

#include <map>
#include <string>

// One pupil's store as the statistics window shows it: the lesson names of
// the runs and each lesson's runs, without the texts every run repeats, so a
// long history is held small and a lesson is chosen without a pass over all
// the runs.
class CLessonHistory {
public:
    CLessonHistory() = default;
    explicit CLessonHistory(const CPupilStats& stats);
    CLessonHistory(const CLessonHistory&) = delete;
    CLessonHistory& operator=(const CLessonHistory&) = delete;

    // Takes one more run, and the character table.
    void Add(const StatRecord& run);
    void SetCharErrors(CharErrorArray charErrors) { m_charErrors = std::move(charErrors); }

    // Each lesson name of the runs once, in order of first appearance. Names
    // are compared byte for byte, so names differing only in letter case
    // both stay.
    const StringList& LessonNames() const { return m_names; }
    // The runs whose lesson equals the name, ignoring letter case (Polish
    // letters included), in stored order.
    const ShownRuns& RunsOf(const std::string& lesson) const;
    const CharErrorArray& CharErrors() const { return m_charErrors; }

private:
    StringList m_names;
    std::map<std::string, ShownRuns> m_runsByFoldedLesson;
    // Many runs share few names: each stored name is folded once, and a run
    // only looks its name up.
    std::map<std::string, ShownRuns*, std::less<>> m_runsOfStoredName;
    CharErrorArray m_charErrors;
};
