// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/ExerciseSession.h"
#include "platform/ProgramContext.h"

#include <string>

// A lesson run takes from the program its folders (the pupils', the outbox,
// the lessons' documents, the help), the engine that draws drills, the
// clock, the error beep and the desktop's opener. Pupils are Windows-1250.

// Runs one lesson for the pupil from its introduction to the stored result.
// With offerNextLesson, a passed run's result window offers the next lesson;
// true when the pupil took it.
bool RunLesson(CProgramContext& program, const std::string& pupil, const std::string& path,
               bool offerNextLesson = false);

// Runs the practice lesson of the pupil's weakest keys, stored as "Trudne
// klawisze"; a pupil with too little history is told how much more to type
// first.
void RunWeakKeyLesson(CProgramContext& program, const std::string& pupil);

// Stores a run as every lesson's run is stored: into the pupil's stat.dat,
// or, while the pupil's folder is away, into the outbox, telling the pupil
// so; then what waited in the outbox follows. False when the run did not
// reach the pupil's folder.
bool StoreRunOf(CProgramContext& program, const std::string& pupil, const ExerciseOutcome& outcome);
