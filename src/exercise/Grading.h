// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pupils/StatRecord.h"

#include <string>

// How a run is measured and judged. Nothing here guards a division: an empty
// run gives infinities or not-a-number values, and ComputeGrade turns those
// into a definite grade.

double SecondsOf(double ms);
// Characters per minute from the correct keystrokes.
double CharactersPerMinute(double correct, double ms);
double ErrorPercentage(double typed, double errors);
double ProgressPercentage(int modelKeystrokes, double typed);

// 1 to 5: the speed sets the base grade, every 7 points of error percentage
// cost one grade. 2 and above is a pass.
int ComputeGrade(double charsPerMinute, double errorPercentage);
constexpr int kPassGrade = 2;
constexpr int kBestGrade = 5;

// The speed, in characters a minute, that a run without errors must exceed
// for the grade (2 to 5).
double SpeedToExceedFor(int grade);

// The grade of a stored run: the one grading of the exercise, the lesson
// list and the statistics. Capping the stored error percentage at 100
// changes no grade.
int GradeOfRun(const StatRecord& run);

// The verdict shown as the result window's headline (Windows-1250).
std::string VerdictOf(int grade);

// The result window's lines under the verdict (Windows-1250, '\n' between).
std::string ResultDetails(int grade, double seconds, double charsPerMinute, double errors);
