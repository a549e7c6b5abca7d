// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// What the chooser writes after a lesson's title: whether the pupil has
// passed it and with which best grade, in red or in a blue that grows
// brighter with the grade.
struct LessonMark {
    std::string suffix; // Windows-1250
    uint8_t red, green, blue;
};

// bestGrade is 0 when the pupil has no run of the lesson that reached the
// end of its text; onlyEndedEarly when there are runs, all ended early.
LessonMark MarkForBestGrade(int bestGrade, bool onlyEndedEarly = false);
