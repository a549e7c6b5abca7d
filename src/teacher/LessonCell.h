// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/OleDateTime.h"

// One lesson of one pupil in the class table.
struct LessonCell {
    int bestGrade = 0; // 0 when the pupil has not tried the lesson
    int runs = 0;
    double bestSpeed = 0.0;
    COleDateTime lastRun{0.0, COleDateTime::invalid}; // the latest run's date
    int endedEarly = 0;                               // runs ended before the text was done

    bool OnlyEndedEarly() const { return runs > 0 && endedEarly == runs; }
    bool operator==(const LessonCell&) const = default;
};
