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
    explicit CLessonHistory(const CPupilStats& stats);

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
    CharErrorArray m_charErrors;
};
